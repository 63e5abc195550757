// Loudness over the life of a note.
#pragma once

namespace tunes {

// Attack, decay and release are in seconds; decay and release are time
// constants of exponential curves, sustain a level between 0 and 1.
struct Adsr {
    double attack;
    double decay;
    double sustain;
    double release;
};

// Level `t` seconds after note on, for a key held for `gate` seconds.
double AdsrLevel(const Adsr& adsr, double t, double gate);

// Seconds from note on until the release has reached silence.
double AdsrLength(const Adsr& adsr, double gate);

// An exponential fall from 1 with time constant `tau` that lands on exactly
// zero after a few time constants, instead of stopping short of it with a
// tiny but audible step.
double DecayToZero(double t, double tau);

// Seconds until DecayToZero reaches zero.
double DecayLength(double tau);

}  // namespace tunes
