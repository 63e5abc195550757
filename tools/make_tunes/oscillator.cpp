#include "oscillator.h"

#include <cmath>
#include <numbers>

namespace tunes {
namespace {

// Rounds a waveform's jump off over the samples on either side of it
// (polyBLEP). At 22,050 Hz a naive saw or pulse folds loud, off-key alias
// tones back into the audible range; this keeps the bright leads in tune.
double PolyBlep(double t, double increment) {
    if (t < increment) {
        t /= increment;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - increment) {
        t = (t - 1.0) / increment;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

double Oscillate(Waveform wave, double phase, double increment, double duty) {
    switch (wave) {
        case Waveform::kSine:
            return std::sin(2.0 * std::numbers::pi * phase);
        case Waveform::kTriangle: {
            // Shifted a quarter cycle so that it starts from zero, as the sine
            // does: a note then begins without a step.
            const double shifted = std::fmod(phase + 0.25, 1.0);
            return 1.0 - 4.0 * std::abs(shifted - 0.5);
        }
        case Waveform::kSaw:
            return 2.0 * phase - 1.0 - PolyBlep(phase, increment);
        case Waveform::kPulse: {
            const double naive = phase < duty ? 1.0 : -1.0;
            const double falling = std::fmod(phase + 1.0 - duty, 1.0);
            const double dc = 2.0 * duty - 1.0;
            return naive + PolyBlep(phase, increment) - PolyBlep(falling, increment) - dc;
        }
    }
    return 0.0;
}

}  // namespace tunes
