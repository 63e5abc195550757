// The displacement table of the wave: 256 signed offsets, one per phase, that
// the renderer reads once per column and once per row of every frame.
#pragma once

#include <cstdint>
#include <span>

namespace vandrel::engine {

inline constexpr int kWaveEntries = 256;

// Fills all entries from the half period (in table entries) and the amplitude
// shift, bit for bit as the original build computed them, so that every preset
// moves exactly as it always did. Throws std::invalid_argument, leaving the
// table as it was, for a half period that gives no finite step or for a shift
// outside 0..31.
void FillWaveTable(std::span<std::int32_t, kWaveEntries> wave, float halfPeriod, int waveShift);

}  // namespace vandrel::engine
