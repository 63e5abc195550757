#include "engine/wave_table.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace vandrel::engine {

namespace {

// The single-precision pi the table has always been built with. It is a hair
// above the true pi, which is why no sample ever reaches 64.
constexpr float kPiFloat = std::bit_cast<float>(0x40490FDBu);

}  // namespace

void FillWaveTable(std::span<std::int32_t, kWaveEntries> wave, float halfPeriod, int waveShift) {
    if (waveShift < 0 || waveShift > 31) {
        throw std::invalid_argument("wave shift must lie in 0..31");
    }
    // The step is rounded to float before it is summed: the rounding is part
    // of the shape of the wave.
    const float step = kPiFloat / halfPeriod;
    if (!std::isfinite(step)) {
        // A zero, NaN or vanishingly small half period would feed NaN or
        // infinity into the integer conversion below.
        throw std::invalid_argument("wave half period gives no finite step");
    }
    // A running sum rather than k * step: with a float step every partial sum
    // is exact in double, and this is the order the values were produced in.
    double angle = 0.0;
    for (std::int32_t& entry : wave) {
        const auto sample = static_cast<std::int32_t>(std::trunc(64.0 * std::sin(angle)));
        // Arithmetic shift, rounding toward minus infinity: -63 >> 2 is -16
        // while 63 >> 2 is 15, so the table is slightly lopsided on purpose.
        entry = sample >> waveShift;
        angle += static_cast<double>(step);
    }
}

}  // namespace vandrel::engine
