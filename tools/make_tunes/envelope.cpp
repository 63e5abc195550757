#include "envelope.h"

#include <algorithm>
#include <cmath>

namespace tunes {
namespace {

// Five time constants: the curve is down to 0.7 % when it is bent onto zero.
constexpr double kDecaySpan = 5.0;

// Even a "hard" note fades in over a couple of milliseconds; an instant start
// on a saw or pulse would click.
constexpr double kShortestAttack = 0.002;
constexpr double kShortestRelease = 0.005;

double HeldLevel(const Adsr& adsr, double t) {
    const double attack = std::max(adsr.attack, kShortestAttack);
    if (t < attack) {
        return t / attack;
    }
    return adsr.sustain + (1.0 - adsr.sustain) * std::exp(-(t - attack) / adsr.decay);
}

}  // namespace

double DecayToZero(double t, double tau) {
    const double x = t / tau;
    if (x >= kDecaySpan) {
        return 0.0;
    }
    const double floor = std::exp(-kDecaySpan);
    return (std::exp(-x) - floor) / (1.0 - floor);
}

double DecayLength(double tau) {
    return kDecaySpan * tau;
}

double AdsrLevel(const Adsr& adsr, double t, double gate) {
    if (t < 0.0) {
        return 0.0;
    }
    if (t <= gate) {
        return HeldLevel(adsr, t);
    }
    return HeldLevel(adsr, gate) * DecayToZero(t - gate, std::max(adsr.release, kShortestRelease));
}

double AdsrLength(const Adsr& adsr, double gate) {
    return gate + DecayLength(std::max(adsr.release, kShortestRelease));
}

}  // namespace tunes
