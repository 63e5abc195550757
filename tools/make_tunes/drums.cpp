#include "drums.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>

#include "audio_format.h"
#include "envelope.h"
#include "filter.h"
#include "noise.h"

namespace tunes {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Calls `sample(t)` for every frame of a sound `seconds` long.
std::vector<double> Render(double seconds, const std::function<double(double)>& sample) {
    std::vector<double> out(static_cast<std::size_t>(std::ceil(seconds * kSampleRate)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = sample(static_cast<double>(i) / kSampleRate);
    }
    return out;
}

// A sine that dives from a click-like high pitch to a low thump, driven a
// little into saturation for punch, with a short noise tick on top for the
// beater.
std::vector<double> Kick(const Drum& drum) {
    const double bodyDecay = 0.16 * drum.decay;
    double phase = 0.0;
    Noise noise(0x4B1C4u);
    return Render(DecayLength(bodyDecay), [&](double t) {
        const double frequency = drum.pitch * (48.0 + 125.0 * std::exp(-t / 0.03));
        const double body = std::tanh(1.8 * std::sin(kTwoPi * phase)) / std::tanh(1.8);
        phase += frequency / kSampleRate;
        return body * DecayToZero(t, bodyDecay) + 0.25 * noise.Next() * DecayToZero(t, 0.002);
    });
}

// Two drum-head tones under a burst of high-passed noise for the wires.
std::vector<double> Snare(const Drum& drum) {
    const double toneDecay = 0.05 * drum.decay;
    const double wireDecay = 0.1 * drum.decay;
    double low = 0.0;
    double high = 0.0;
    Noise noise(0x5A4Eu);
    StateVariableFilter wires;
    wires.Tune(1500.0, 0.8, kSampleRate);
    return Render(DecayLength(wireDecay), [&](double t) {
        const double tone = 0.6 * std::sin(kTwoPi * low) + 0.4 * std::sin(kTwoPi * high);
        low += drum.pitch * 185.0 * (1.0 + 0.3 * std::exp(-t / 0.01)) / kSampleRate;
        high += drum.pitch * 330.0 / kSampleRate;
        const double rattle = wires.Process(noise.Next()).high;
        return 0.55 * tone * DecayToZero(t, toneDecay) + 0.8 * rattle * DecayToZero(t, wireDecay);
    });
}

// Noise with everything below the cymbal's sizzle taken out.
std::vector<double> HiHat(const Drum& drum, double decay, std::uint32_t seed) {
    Noise noise(seed);
    StateVariableFilter sizzle;
    sizzle.Tune(7000.0 * drum.pitch, 0.9, kSampleRate);
    return Render(DecayLength(decay), [&](double t) {
        return sizzle.Process(noise.Next()).high * DecayToZero(t, decay);
    });
}

std::vector<double> Synthesise(const Drum& drum) {
    switch (drum.kind) {
        case DrumKind::kKick:
            return Kick(drum);
        case DrumKind::kSnare:
            return Snare(drum);
        case DrumKind::kClosedHat:
            return HiHat(drum, 0.025 * drum.decay, 0xC105Eu);
        case DrumKind::kOpenHat:
            return HiHat(drum, 0.12 * drum.decay, 0x0BE2u);
    }
    return {};
}

}  // namespace

std::vector<double> RenderDrum(const Drum& drum) {
    std::vector<double> hit = Synthesise(drum);
    double peak = 0.0;
    for (double sample : hit) {
        peak = std::max(peak, std::abs(sample));
    }
    for (double& sample : hit) {
        sample /= peak;
    }
    return hit;
}

}  // namespace tunes
