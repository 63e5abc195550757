// The drum kit, synthesised: pitch-swept sines for the kick, noise for the
// snare and cymbals. Each drum is rendered once and replayed for every hit,
// as a tracker plays its samples.
#pragma once

#include <vector>

namespace tunes {

enum class DrumKind { kKick, kSnare, kClosedHat, kOpenHat };

struct Drum {
    DrumKind kind;
    double pitch = 1.0;  // tuning factor: 2 is an octave up
    double decay = 1.0;  // length factor
};

// One hit, mono, at the tune's sample rate, with a peak of exactly 1.
std::vector<double> RenderDrum(const Drum& drum);

}  // namespace tunes
