#include "engine/wave_table.h"
#include "engine/wave_presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

using vandrel::engine::FillWaveTable;
using vandrel::engine::kWaveEntries;
using WaveTable = std::array<std::int32_t, kWaveEntries>;

WaveTable TableFor(float halfPeriod, int waveShift) {
    WaveTable wave{};
    FillWaveTable(wave, halfPeriod, waveShift);
    return wave;
}

struct KnownEntries {
    float halfPeriod;
    int waveShift;
    int firstIndex;
    std::vector<std::int32_t> values;
};

TEST(WaveTableTest, MatchesTheValuesThePresetsHaveAlwaysProduced) {
    const KnownEntries cases[] = {
        {128.0f, 2, 0, {0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4}},
        {128.0f, 2, 64, {15}},
        {128.0f, 2, 128, {0}},
        {128.0f, 2, 192, {-16}},
        {128.0f, 2, 255, {-1}},
        {128.0f, 4, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {128.0f, 4, 64, {3}},
        {128.0f, 4, 192, {-4}},
        {128.0f, 4, 255, {-1}},
        {128.0f, 1, 64, {31}},
        {128.0f, 1, 192, {-32}},
        {32.0f, 4, 0, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3}},
        {32.0f, 4, 64, {0}},
        {32.0f, 4, 128, {0}},
        {32.0f, 4, 192, {0}},
        {32.0f, 4, 255, {-1}},
    };
    for (const KnownEntries& known : cases) {
        const WaveTable wave = TableFor(known.halfPeriod, known.waveShift);
        for (std::size_t i = 0; i < known.values.size(); ++i) {
            const std::size_t index = static_cast<std::size_t>(known.firstIndex) + i;
            EXPECT_EQ(wave[index], known.values[i])
                << "half period " << known.halfPeriod << ", shift " << known.waveShift << ", entry "
                << index;
        }
    }
}

TEST(WaveTableTest, SamplesStopShortOf64AndShiftRoundsTowardMinusInfinity) {
    const WaveTable unshifted = TableFor(128.0f, 0);
    EXPECT_EQ(*std::max_element(unshifted.begin(), unshifted.end()), 63);
    EXPECT_EQ(*std::min_element(unshifted.begin(), unshifted.end()), -63);
    EXPECT_EQ(unshifted[64], 63);
    EXPECT_EQ(unshifted[192], -63);

    const WaveTable shifted = TableFor(128.0f, 2);
    EXPECT_EQ(shifted[64], 15);
    EXPECT_EQ(shifted[192], -16) << "-63 >> 2 rounds down, so the wave is lopsided";
}

TEST(WaveTableTest, RejectsParametersThatCannotMakeATableAndKeepsTheOldOne) {
    struct BadParameters {
        float halfPeriod;
        int waveShift;
    };
    const BadParameters cases[] = {
        {0.0f, 2},
        {std::numeric_limits<float>::quiet_NaN(), 2},
        {std::numeric_limits<float>::denorm_min(), 2},
        {128.0f, -1},
        {128.0f, 32},
    };
    for (const BadParameters& bad : cases) {
        WaveTable wave;
        wave.fill(77);
        EXPECT_THROW(FillWaveTable(wave, bad.halfPeriod, bad.waveShift), std::invalid_argument)
            << "half period " << bad.halfPeriod << ", shift " << bad.waveShift;
        EXPECT_TRUE(std::all_of(wave.begin(), wave.end(), [](std::int32_t v) { return v == 77; }));
    }
}

}  // namespace
