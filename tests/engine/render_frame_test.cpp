// What a frame looks like, checked on the reference and on the renderer the
// program calls.
#include "engine/render_frame.h"
#include "engine/render_state.h"
#include "engine/wave_table.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

using namespace vandrel::engine;
using namespace vandrel::engine::testing;

using WaveTable = std::array<std::int32_t, kWaveEntries>;
using Renderer = void (*)(std::span<const std::int32_t, kWaveEntries>, std::uint32_t, std::uint32_t,
                          MemoryRowOrder, RowAccessor);

WaveTable WavyTable() {
    WaveTable wave{};
    FillWaveTable(wave, 128.0f, 2);
    return wave;
}

class RenderFrameTest : public ::testing::TestWithParam<Renderer> {
protected:
    void Render(const WaveTable& wave, std::uint32_t colPhase, std::uint32_t rowPhase,
                TestSurface& surface) {
        RowAccessor rows(surface);
        GetParam()(wave, colPhase, rowPhase, surface.order(), rows);
    }

    std::vector<std::uint8_t> RenderPicture(std::vector<std::uint8_t>& picture,
                                            const WaveTable& wave, std::uint32_t colPhase,
                                            std::uint32_t rowPhase, MemoryRowOrder order) {
        ScopedSourceBits source(picture);
        TestSurface surface(order);
        Render(wave, colPhase, rowPhase, surface);
        return surface.MemoryPixels();
    }
};

enum class Axis { kRow, kColumn };

struct SourceOf {
    std::uint32_t colPhase;
    std::uint32_t rowPhase;
    Axis axis;
    int dest;    // memory row, or byte within a row
    int source;  // the source row, or source byte, it must come from
};

TEST_P(RenderFrameTest, EachDestinationByteComesFromTheDisplacedMirroredSource) {
    const SourceOf cases[] = {
        {0, 0, Axis::kRow, 0, 0},        {0, 0, Axis::kRow, 64, 79},
        {0, 0, Axis::kRow, 192, 176},    {0, 0, Axis::kRow, 255, 254},
        {0, 0, Axis::kColumn, 0, 254},   {0, 0, Axis::kColumn, 1, 253},
        {0, 0, Axis::kColumn, 128, 127}, {0, 0, Axis::kColumn, 255, 0},
        {0, 64, Axis::kRow, 0, 15},      {0, 64, Axis::kRow, 250, 9},
        {0, 134, Axis::kRow, 3, 255},    {64, 0, Axis::kColumn, 0, 14},
        {64, 0, Axis::kColumn, 255, 15},
    };
    const WaveTable wave = WavyTable();
    std::vector<std::uint8_t> rowCoded = RowCodedPicture();
    std::vector<std::uint8_t> columnCoded = ColumnCodedPicture();
    for (const SourceOf& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "phases " << c.colPhase << "/" << c.rowPhase << ", dest " << c.dest);
        // A row-coded source must give one uniform value per destination row,
        // a column-coded one the same value down every column.
        const std::vector<std::uint8_t> rows =
            RenderPicture(rowCoded, wave, c.colPhase, c.rowPhase, MemoryRowOrder::kTopDown);
        const std::vector<std::uint8_t> columns =
            RenderPicture(columnCoded, wave, c.colPhase, c.rowPhase, MemoryRowOrder::kTopDown);
        for (int other = 0; other < kSide; ++other) {
            const int at = c.axis == Axis::kRow ? c.dest * kSide + other : other * kSide + c.dest;
            const std::vector<std::uint8_t>& coded = c.axis == Axis::kRow ? rows : columns;
            ASSERT_EQ(coded[static_cast<std::size_t>(at)], c.source) << "at byte " << at;
        }
    }
}

TEST_P(RenderFrameTest, OnlyTheLowEightBitsOfEachPhaseMatter) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> picture = RandomPicture(random);
    const WaveTable wave = WavyTable();
    const std::vector<std::uint8_t> expected =
        RenderPicture(picture, wave, 64, 134, MemoryRowOrder::kTopDown);
    const std::uint32_t highBits[] = {0xFFFFFF00u, 0x12345600u, 0x100u};
    for (std::uint32_t high : highBits) {
        EXPECT_EQ(RenderPicture(picture, wave, high | 64, high | 134, MemoryRowOrder::kTopDown),
                  expected)
            << std::hex << high;
    }
    // A counter that steps across 2^32 lands on the same frame as one that
    // never got near it.
    const std::uint32_t nearWrap = 0xFFFFFFFEu;
    EXPECT_EQ(
        RenderPicture(picture, wave, nearWrap + 66u, nearWrap + 136u, MemoryRowOrder::kTopDown),
        expected);
}

TEST_P(RenderFrameTest, MemoryRowsFollowTheFormulaInEitherRowOrder) {
    // The vertical wave runs along memory rows, so bottom-up and top-down
    // surfaces receive byte for byte the same memory.
    std::mt19937 random(11);
    std::vector<std::uint8_t> picture = RandomPicture(random);
    const WaveTable wave = WavyTable();
    EXPECT_EQ(RenderPicture(picture, wave, 40, 90, MemoryRowOrder::kBottomUp),
              RenderPicture(picture, wave, 40, 90, MemoryRowOrder::kTopDown));
}

TEST_P(RenderFrameTest, FlatWaveShowsTheSamePictureOnBothRowOrders) {
    // The source holds the surface's own memory order and the pictures are
    // stored mirrored: without displacement both orders show the picture
    // unmirrored and upright.
    std::mt19937 random(3);
    const std::vector<std::uint8_t> mirroredPicture = RandomPicture(random);  // top row first
    const WaveTable flat{};
    for (MemoryRowOrder order : {MemoryRowOrder::kBottomUp, MemoryRowOrder::kTopDown}) {
        std::vector<std::uint8_t> source(mirroredPicture.size());
        for (int y = 0; y < kSide; ++y) {
            const int memoryRow = order == MemoryRowOrder::kBottomUp ? kSide - 1 - y : y;
            std::copy_n(mirroredPicture.begin() + y * kSide, kSide,
                        source.begin() + memoryRow * kSide);
        }
        ScopedSourceBits bits(source);
        TestSurface surface(order);
        Render(flat, 93, 17, surface);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                ASSERT_EQ(surface(y)[x],
                          mirroredPicture[static_cast<std::size_t>(y * kSide + kSide - 1 - x)])
                    << "picture row " << y << ", column " << x;
            }
        }
    }
}

TEST_P(RenderFrameTest, RendersEveryByteAndTheSameFrameTwice) {
    std::mt19937 random(5);
    std::vector<std::uint8_t> picture = RandomPicture(random);
    ScopedSourceBits source(picture);
    const WaveTable wave = WavyTable();
    TestSurface surface(MemoryRowOrder::kBottomUp);
    Render(wave, 200, 31, surface);
    const std::vector<std::uint8_t> first = surface.MemoryPixels();
    surface.Poison();
    Render(wave, 200, 31, surface);
    EXPECT_EQ(surface.MemoryPixels(), first);
}

TEST_P(RenderFrameTest, AsksForEachPictureRowOnceFromTheTopDown) {
    std::vector<std::uint8_t> picture(kSide * kSide);
    ScopedSourceBits source(picture);
    TestSurface surface(MemoryRowOrder::kBottomUp);
    std::vector<int> asked;
    auto loggingRows = [&](int y) {
        asked.push_back(y);
        return surface(y);
    };
    GetParam()(WavyTable(), 0, 0, MemoryRowOrder::kBottomUp, RowAccessor(loggingRows));
    std::vector<int> topDown(kSide);
    std::iota(topDown.begin(), topDown.end(), 0);
    EXPECT_EQ(asked, topDown);
}

TEST_P(RenderFrameTest, RefusesToRenderWithoutSourcePicture) {
    ASSERT_EQ(g_pSourceBits, nullptr);
    TestSurface surface(MemoryRowOrder::kTopDown);
    EXPECT_THROW(Render(WavyTable(), 0, 0, surface), std::logic_error);
    EXPECT_TRUE(surface.OnlyPixelsWritten());
    EXPECT_EQ(surface.MemoryPixels(), std::vector<std::uint8_t>(kSide * kSide, kPoison));
}

INSTANTIATE_TEST_SUITE_P(Renderers, RenderFrameTest,
                         ::testing::Values(&RenderFrameReference, &RenderFrame),
                         [](const ::testing::TestParamInfo<Renderer>& param) {
                             return param.param == &RenderFrame ? "RenderFrame" : "Reference";
                         });

TEST(RenderFrameOnlyTest, RebuildsTheColumnMapForTheFrame) {
    std::vector<std::uint8_t> picture(kSide * kSide);
    ScopedSourceBits source(picture);
    TestSurface surface(MemoryRowOrder::kTopDown);
    const WaveTable wave = WavyTable();
    RenderFrame(wave, 64, 0, MemoryRowOrder::kTopDown, RowAccessor(surface));
    EXPECT_EQ(g_byColumnMap[255], 14) << "feeds destination byte 0";
    EXPECT_EQ(g_byColumnMap[0], 15) << "feeds destination byte 255";
    for (int i = 0; i < kSide; ++i) {
        EXPECT_EQ(g_byColumnMap[i], (i + wave[static_cast<std::size_t>((64 + i) % kSide)]) & 255)
            << "entry " << i;
    }
}

TEST(RenderFrameOnlyTest, SurfaceWithoutARowIsReportedBeforeAnythingIsWritten) {
    std::vector<std::uint8_t> picture(kSide * kSide);
    ScopedSourceBits source(picture);
    TestSurface surface(MemoryRowOrder::kTopDown);
    auto rowsWithAHole = [&](int y) { return y == 200 ? nullptr : surface(y); };
    EXPECT_THROW(
        RenderFrame(WavyTable(), 0, 0, MemoryRowOrder::kTopDown, RowAccessor(rowsWithAHole)),
        std::logic_error);
    EXPECT_EQ(surface.MemoryPixels(), std::vector<std::uint8_t>(kSide * kSide, kPoison));
}

}  // namespace
