#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/base/global_memory.h"
#include "surface/dibg.h"
#include "tests/surface/sized_dib.h"

namespace {

using vandrel::testing::OrientationGuard;
using vandrel::testing::SizedDib;

TEST(DibCoreTest, StrideRoundsWidthUpToWholeWords) {
    struct Case {
        int width;
        int stride;
    };
    for (const Case c : {Case{1, 4}, Case{3, 4}, Case{4, 4}, Case{5, 8}, Case{256, 256}}) {
        SizedDib dib;
        EXPECT_EQ(dib.SetWidth(c.width), c.stride) << c.width;
        EXPECT_EQ(dib.GetStride(), c.stride) << c.width;
    }
}

TEST(DibCoreTest, EmptySurfaceIsNotValidAndDestroyIsHarmless) {
    SizedDib dib;
    EXPECT_FALSE(dib.IsCreated());
    EXPECT_FALSE(dib.IsValid());
    EXPECT_STREQ(dib.GetRuntimeClass()->m_lpszClassName, "CDibG");
    EXPECT_TRUE(dib.IsKindOf(RUNTIME_CLASS(CObject)));
    dib.Destroy();
    dib.Destroy();
    EXPECT_FALSE(dib.IsCreated());
}

TEST(DibCoreTest, BottomUpSurfaceReachesTopRowAtTheEnd) {
    OrientationGuard order(CDibG::kBottomUp);
    SizedDib dib;
    dib.Allocate(256, 256);
    EXPECT_EQ(dib.HeaderHeight(), 256);
    EXPECT_EQ(dib.GetImageSize(), 65536);
    EXPECT_EQ(dib.GetRect(), CRect(0, 0, 255, 255));
    EXPECT_EQ(dib.GetSize(), CSize(256, 256));
    for (int y = 0; y < 256; ++y) {
        ASSERT_EQ(dib.GetRowTable()[y], (255 - y) * 256) << y;
    }
    EXPECT_EQ(dib.GetRowPointer(0), dib.GetBits() + 65280);
    dib.SetPixel(CPoint(3, 0), 77);
    EXPECT_EQ(dib.GetBits()[65280 + 3], 77);
    EXPECT_EQ(dib.GetPixel(3, 0), 77);
    EXPECT_EQ(dib.GetPixelOffset(CPoint(3, 1)), 65024 + 3);
}

TEST(DibCoreTest, TopDownSurfaceKeepsRowsInMemoryOrder) {
    OrientationGuard order(CDibG::kTopDown);
    SizedDib dib;
    dib.Allocate(256, 256);
    EXPECT_EQ(dib.HeaderHeight(), -256);
    EXPECT_EQ(dib.GetHeight(), 256);
    for (int y = 0; y < 256; ++y) {
        ASSERT_EQ(dib.GetLineOffset(y), y * 256) << y;
    }
    EXPECT_EQ(dib.GetLinePointer(0), dib.GetBits());
    EXPECT_TRUE(dib.IsValid());
    EXPECT_TRUE(dib.IsUsable());
}

TEST(DibCoreTest, RowTableUsesPaddedStride) {
    OrientationGuard order(CDibG::kBottomUp);
    SizedDib dib;
    dib.Allocate(5, 3);
    EXPECT_EQ(std::vector<int>(dib.GetRowTable(), dib.GetRowTable() + 3),
              (std::vector<int>{16, 8, 0}));
}

// Fills a buffer of `rows` rows of `stride` bytes with each row's number.
std::vector<BYTE> NumberedRows(int rows, int stride) {
    std::vector<BYTE> buffer(static_cast<std::size_t>(rows * stride));
    for (int r = 0; r < rows; ++r) {
        std::memset(buffer.data() + r * stride, r, static_cast<std::size_t>(stride));
    }
    return buffer;
}

TEST(DibCoreTest, SetBitsTurnsRowsRoundOnlyAcrossOrders) {
    const std::vector<BYTE> bottomUp = NumberedRows(4, 8);  // row 0 = picture bottom
    {
        OrientationGuard order(CDibG::kTopDown);
        SizedDib dib;
        dib.Allocate(6, 4);
        dib.SetBits(bottomUp.data(), CDibG::kBottomUp);
        EXPECT_EQ(dib.GetBits()[0], 3) << "picture top row lands at the start of memory";
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(dib.GetPixel(5, y), 3 - y);
        }
    }
    {
        OrientationGuard order(CDibG::kBottomUp);
        SizedDib dib;
        dib.Allocate(6, 4);
        dib.SetBits(bottomUp.data(), CDibG::kBottomUp);
        EXPECT_EQ(std::memcmp(dib.GetBits(), bottomUp.data(), bottomUp.size()), 0);
    }
}

TEST(DibCoreTest, FlipVerticalSwapsRowsAroundTheMiddle) {
    struct Case {
        int height;
        std::vector<int> expected;  // memory row contents after the flip
    };
    for (const Case& c : {Case{1, {0}}, Case{3, {2, 1, 0}}, Case{4, {3, 2, 1, 0}}}) {
        SizedDib dib;
        dib.Allocate(4, c.height);
        const std::vector<BYTE> rows = NumberedRows(c.height, 4);
        std::memcpy(dib.GetBits(), rows.data(), rows.size());
        dib.FlipVertical();
        for (int r = 0; r < c.height; ++r) {
            EXPECT_EQ(dib.GetBits()[r * 4], c.expected[static_cast<std::size_t>(r)])
                << "height " << c.height << " row " << r;
        }
    }
}

TEST(DibCoreTest, DestroyReleasesMemoryAndKeepsTheSize) {
    const std::size_t before = vandrel::hooks::LiveGlobalBlocks();
    SizedDib dib;
    dib.Allocate(16, 16);
    EXPECT_EQ(vandrel::hooks::LiveGlobalBlocks(), before + 2);
    dib.Destroy();
    EXPECT_EQ(vandrel::hooks::LiveGlobalBlocks(), before);
    EXPECT_FALSE(dib.IsCreated());
    EXPECT_EQ(dib.GetBits(), nullptr);
    EXPECT_EQ(dib.GetSize(), CSize(16, 16));
    dib.Destroy();
}

TEST(DibCoreTest, AllocationFailuresRaiseMemoryExceptions) {
    SizedDib pixels;
    pixels.SetWidth(8);
    pixels.SetHeight(8);
    vandrel::hooks::FailGlobalAllocAfter(0);
    EXPECT_THROW(pixels.AllocateBits(), CMemoryException);
    EXPECT_EQ(pixels.GetBits(), nullptr);

    SizedDib rows;
    rows.SetWidth(8);
    rows.SetHeight(8);
    EXPECT_THROW(rows.BuildRowTable(), CMemoryException);
    EXPECT_EQ(rows.GetRowTable(), nullptr);
    vandrel::hooks::ClearAllocationFailure();
}

TEST(DibCoreTest, ResourceHandleFallsBackToTheProgram) {
    SizedDib dib;
    EXPECT_NE(dib.GetResourceHandle(), nullptr);
    int other = 0;
    const auto module = reinterpret_cast<HINSTANCE>(&other);
    dib.SetResourceHandle(module);
    EXPECT_EQ(dib.GetResourceHandle(), module);
}

}  // namespace
