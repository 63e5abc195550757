#include "engine/wave_presets.h"
#include "engine/wave_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using namespace vandrel::engine;

TEST(WavePresetsTest, FixedPresetsSetTheirStepsAndAmplitude) {
    struct Expected {
        const WaveParams& params;
        int preset;
        int colStep;
        int rowStep;
        std::int32_t lowest;
        std::int32_t highest;
    };
    const Expected cases[] = {
        {kSubtlePreset, 1, 5, 5, -4, 3},
        {kWavyPreset, 2, 7, 7, -16, 15},
        {kRipplesPreset, 3, 4, 6, -4, 3},
        {kTyphoonPreset, 4, 10, 15, -32, 31},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.preset);
        EXPECT_EQ(expected.params.preset, expected.preset);
        EXPECT_EQ(expected.params.colStep, expected.colStep);
        EXPECT_EQ(expected.params.rowStep, expected.rowStep);
        std::array<std::int32_t, kWaveEntries> wave{};
        FillWaveTable(wave, expected.params.halfPeriod, expected.params.waveShift);
        EXPECT_EQ(*std::min_element(wave.begin(), wave.end()), expected.lowest);
        EXPECT_EQ(*std::max_element(wave.begin(), wave.end()), expected.highest);
    }
}

// Hands out a fixed sequence and counts how much of it was used.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int operator()() { return values_.at(used_++); }
    std::size_t used() const { return used_; }

private:
    std::vector<int> values_;
    std::size_t used_ = 0;
};

TEST(WavePresetsTest, RandomDrawsStepsShiftAndHalfPeriodInThatOrder) {
    struct Case {
        std::vector<int> draws;
        WaveParams expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {2, 2, 1, 32.0f, kWavePresetRandom}},
        {{29, 30, 3, 1}, {31, 2, 4, 64.0f, kWavePresetRandom}},
        {{30, 59, 4, 2}, {2, 31, 1, 96.0f, kWavePresetRandom}},
        {{32767, 32767, 32767, 32767}, {9, 9, 4, 128.0f, kWavePresetRandom}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random(c.draws);
        const WaveParams drawn = DrawRandomWaveParams(std::ref(random));
        EXPECT_EQ(random.used(), 4u);
        EXPECT_EQ(drawn.colStep, c.expected.colStep);
        EXPECT_EQ(drawn.rowStep, c.expected.rowStep);
        EXPECT_EQ(drawn.waveShift, c.expected.waveShift);
        EXPECT_EQ(drawn.halfPeriod, c.expected.halfPeriod);
        EXPECT_EQ(drawn.preset, kWavePresetRandom);
    }
}

void ExpectInRange(const WaveParams& drawn) {
    EXPECT_GE(drawn.colStep, 2);
    EXPECT_LE(drawn.colStep, 31);
    EXPECT_GE(drawn.rowStep, 2);
    EXPECT_LE(drawn.rowStep, 31);
    EXPECT_GE(drawn.waveShift, 1);
    EXPECT_LE(drawn.waveShift, 4);
    EXPECT_GE(drawn.halfPeriod, 32.0f);
    EXPECT_LE(drawn.halfPeriod, 128.0f);
}

TEST(WavePresetsTest, RandomStaysInRangeForTheCLibraryGeneratorAndOneThatGoesNegative) {
    std::srand(1);
    for (int i = 0; i < 100; ++i) {
        ExpectInRange(DrawRandomWaveParams(std::rand));
    }
    for (int value : {-1, -7, INT_MIN}) {
        ScriptedRandom random({value, value, value, value});
        ExpectInRange(DrawRandomWaveParams(std::ref(random)));
    }
}

}  // namespace
