// The basic waveforms every instrument is built from.
#pragma once

namespace tunes {

enum class Waveform { kSine, kTriangle, kSaw, kPulse };

// One sample of a waveform at `phase` (cycles, in [0, 1)), for an oscillator
// that advances `increment` cycles a sample. `duty` is the high part of a
// pulse's cycle. Every waveform swings between -1 and 1 around a mean of zero,
// so a pulse of any duty adds no DC to the mix.
double Oscillate(Waveform wave, double phase, double increment, double duty);

}  // namespace tunes
