// Every instruction-set path must write exactly the bytes of the reference and
// nothing else.
#include "engine/render_paths.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace vandrel::engine;
using namespace vandrel::engine::testing;

using WaveTable = std::array<std::int32_t, kWaveEntries>;

WaveTable RandomTable(std::mt19937& random, int lowest, int highest) {
    std::uniform_int_distribution<std::int32_t> displacement(lowest, highest);
    WaveTable wave{};
    for (std::int32_t& entry : wave) {
        entry = displacement(random);
    }
    return wave;
}

class RenderPathTest : public ::testing::TestWithParam<RenderPath> {
protected:
    void SetUp() override {
        if (!IsRenderPathSupported(GetParam())) {
            GTEST_SKIP() << RenderPathName(GetParam()) << " is not available on this CPU";
        }
    }
};

TEST_P(RenderPathTest, MatchesTheReferenceOnRandomWavesWithoutTouchingRowPadding) {
    struct Amplitude {
        int lowest;
        int highest;
    };
    // The presets stay within -32..31; the full byte range makes every
    // column and row wrap past both ends of the source.
    const Amplitude amplitudes[] = {{-32, 31}, {-128, 127}};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::uint32_t> phase;
    std::vector<std::uint8_t> picture = RandomPicture(random);
    ScopedSourceBits source(picture);
    for (const Amplitude& amplitude : amplitudes) {
        for (MemoryRowOrder order : {MemoryRowOrder::kBottomUp, MemoryRowOrder::kTopDown}) {
            for (int round = 0; round < 20; ++round) {
                const WaveTable wave = RandomTable(random, amplitude.lowest, amplitude.highest);
                const std::uint32_t colPhase = phase(random);
                const std::uint32_t rowPhase = phase(random);
                SCOPED_TRACE(::testing::Message()
                             << "amplitude " << amplitude.highest << ", bottom-up "
                             << (order == MemoryRowOrder::kBottomUp) << ", round " << round);

                TestSurface expected(order);
                RenderFrameReference(wave, colPhase, rowPhase, order, RowAccessor(expected));
                // Rows 291 bytes apart: not contiguous and not aligned.
                TestSurface actual(order, 291);
                RenderFrameWithPath(GetParam(), wave, colPhase, rowPhase, order,
                                    RowAccessor(actual));

                ASSERT_EQ(actual.MemoryPixels(), expected.MemoryPixels());
                ASSERT_TRUE(actual.OnlyPixelsWritten());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, RenderPathTest, ::testing::ValuesIn(kAllRenderPaths),
                         [](const ::testing::TestParamInfo<RenderPath>& param) {
                             return std::string(RenderPathName(param.param));
                         });

}  // namespace
