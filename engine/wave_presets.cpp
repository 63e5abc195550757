#include "engine/wave_presets.h"

namespace vandrel::engine {

namespace {

// Reduced as unsigned so that even a generator that strays below zero cannot
// produce a negative step or a zero half period.
unsigned Draw(const std::function<int()>& nextRandom, unsigned modulus) {
    return static_cast<unsigned>(nextRandom()) % modulus;
}

}  // namespace

WaveParams DrawRandomWaveParams(const std::function<int()>& nextRandom) {
    // Separate statements: the order of the draws is what a seeded run replays.
    const auto colStep = static_cast<int>(Draw(nextRandom, 30) + 2);
    const auto rowStep = static_cast<int>(Draw(nextRandom, 30) + 2);
    const auto waveShift = static_cast<int>(Draw(nextRandom, 4) + 1);
    const auto halfPeriod = static_cast<float>(32 * (Draw(nextRandom, 4) + 1));
    return WaveParams{colStep, rowStep, waveShift, halfPeriod, kWavePresetRandom};
}

}  // namespace vandrel::engine
