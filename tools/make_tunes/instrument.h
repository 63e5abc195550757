// What a melodic track sounds like: one oscillator voice per note, shaped by
// an envelope, an optional filter sweep, vibrato and pulse-width movement.
#pragma once

#include "envelope.h"
#include "oscillator.h"

namespace tunes {

// How a note with a chord ("C-4/47") plays its chord notes.
enum class ChordStyle {
    kArpeggio,  // one after the other, round and round, as trackers do
    kStack,     // all at once, for pads
};

struct Instrument {
    Waveform wave = Waveform::kPulse;
    double duty = 0.5;
    // The pulse width swings this far either side of `duty`, this many times
    // a second: the slow chorus-like shimmer of a pulse lead.
    double pwmDepth = 0.0;
    double pwmRate = 0.0;
    Adsr amp{0.005, 0.2, 0.7, 0.1};
    // A second oscillator this many cents above the first, for width.
    double detuneCents = 0.0;
    // Low-pass cutoff in Hz; 0 leaves the tone unfiltered. The cutoff starts
    // `sweepHz` higher at note on and falls back with time constant
    // `sweepDecay`, which gives plucked basses their bite.
    double cutoffHz = 0.0;
    double sweepHz = 0.0;
    double sweepDecay = 0.1;
    double resonance = 0.7;
    // Vibrato fades in after `vibratoDelay` seconds, so short notes stay
    // steady and held ones start to sing.
    double vibratoCents = 0.0;
    double vibratoRate = 5.0;
    double vibratoDelay = 0.2;
    ChordStyle chordStyle = ChordStyle::kArpeggio;
    double arpeggioRate = 50.0;  // chord notes a second
};

}  // namespace tunes
