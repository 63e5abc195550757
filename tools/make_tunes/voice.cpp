#include "voice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "audio_format.h"
#include "filter.h"
#include "pitch.h"

namespace tunes {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kVibratoFadeIn = 0.15;

// Pitch offset in semitones.
double VibratoAt(const Instrument& instrument, double t) {
    const double since = t - instrument.vibratoDelay;
    if (instrument.vibratoCents <= 0.0 || since <= 0.0) {
        return 0.0;
    }
    const double depth = instrument.vibratoCents / 100.0 * std::min(1.0, since / kVibratoFadeIn);
    return depth * std::sin(kTwoPi * instrument.vibratoRate * since);
}

// Advances an oscillator and returns the sample it was at.
double Advance(const Instrument& instrument, double note, double duty, double& phase) {
    const double increment = NoteFrequency(note) / kSampleRate;
    const double sample = Oscillate(instrument.wave, phase, increment, duty);
    phase += increment;
    phase -= std::floor(phase);
    return sample;
}

}  // namespace

std::vector<double> RenderNote(const Instrument& instrument, int note,
                               const std::vector<int>& chord, double gateSeconds) {
    const auto count =
        static_cast<std::size_t>(std::ceil(AdsrLength(instrument.amp, gateSeconds) * kSampleRate));
    const bool stacked = instrument.chordStyle == ChordStyle::kStack;
    const std::size_t oscillators = stacked ? chord.size() : 1;
    // Stacked notes add up roughly in power, not in amplitude.
    const double gain = 1.0 / std::sqrt(static_cast<double>(oscillators)) /
                        (instrument.detuneCents != 0.0 ? 2.0 : 1.0);
    std::vector<double> phases(oscillators, 0.0);
    std::vector<double> detunedPhases(oscillators, 0.0);
    StateVariableFilter filter;
    std::vector<double> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double bend = VibratoAt(instrument, t);
        const double duty =
            instrument.duty + instrument.pwmDepth * std::sin(kTwoPi * instrument.pwmRate * t);
        double sample = 0.0;
        for (std::size_t o = 0; o < oscillators; ++o) {
            const int offset =
                stacked
                    ? chord[o]
                    : chord[static_cast<std::size_t>(t * instrument.arpeggioRate) % chord.size()];
            const double pitch = note + offset + bend;
            sample += Advance(instrument, pitch, duty, phases[o]);
            if (instrument.detuneCents != 0.0) {
                sample += Advance(instrument, pitch + instrument.detuneCents / 100.0, duty,
                                  detunedPhases[o]);
            }
        }
        sample *= gain;
        if (instrument.cutoffHz > 0.0) {
            const double cutoff =
                instrument.cutoffHz + instrument.sweepHz * std::exp(-t / instrument.sweepDecay);
            filter.Tune(cutoff, instrument.resonance, kSampleRate);
            sample = filter.Process(sample).low;
        }
        out[i] = sample * AdsrLevel(instrument.amp, t, gateSeconds);
    }
    return out;
}

}  // namespace tunes
