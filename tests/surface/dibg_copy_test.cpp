#include <gtest/gtest.h>

#include <vector>

#include "surface/dibg.h"
#include "tests/surface/sized_dib.h"

namespace {

using vandrel::testing::OrientationGuard;
using vandrel::testing::SizedDib;

// Every pixel of a surface, top row first, as one vector.
std::vector<int> Pixels(const CDibG& dib) {
    std::vector<int> pixels;
    for (int y = 0; y < dib.GetHeight(); ++y) {
        for (int x = 0; x < dib.GetWidth(); ++x) {
            pixels.push_back(dib.GetPixel(x, y));
        }
    }
    return pixels;
}

// Fills each pixel with a value made from its position.
void Number(CDibG& dib) {
    for (int y = 0; y < dib.GetHeight(); ++y) {
        for (int x = 0; x < dib.GetWidth(); ++x) {
            dib.SetPixel(x, y, static_cast<BYTE>(16 * y + x));
        }
    }
}

class DibCopyTest : public ::testing::TestWithParam<int> {};

TEST_P(DibCopyTest, AlignedAndUnalignedRectanglesCopyAlike) {
    OrientationGuard order(GetParam());
    SizedDib source;
    source.Allocate(16, 8);
    Number(source);
    for (const int xs : {4, 5}) {
        SizedDib dest;
        dest.Allocate(12, 6);
        dest.FillIndex(0xEE);
        dest.CopyRect(&source, CPoint(xs, 2), CPoint(0, 1), CSize(8, 4));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 12; ++x) {
                const bool inside = x < 8 && y >= 1 && y < 5;
                const int expected = inside ? 16 * (y + 1) + x + xs : 0xEE;
                ASSERT_EQ(dest.GetPixel(x, y), expected) << "xs " << xs << " at " << x << "," << y;
            }
        }
    }
}

TEST_P(DibCopyTest, BufferRowsLandTopFirstWhateverTheOrder) {
    OrientationGuard order(GetParam());
    SizedDib dest;
    dest.Allocate(16, 24);
    dest.FillIndex(0);
    const BYTE block[] = {1, 2, 3, 4, 5, 6};
    dest.CopyFromBuffer(block, CSize(3, 2), CPoint(10, 20));
    EXPECT_EQ(dest.GetPixel(10, 20), 1);
    EXPECT_EQ(dest.GetPixel(12, 20), 3);
    EXPECT_EQ(dest.GetPixel(10, 21), 4);
    EXPECT_EQ(dest.GetPixel(12, 21), 6);
    EXPECT_EQ(dest.GetPixel(13, 21), 0);

    dest.CopyFromBufferTransparent(block, CSize(3, 2), CPoint(0, 0));
    EXPECT_EQ(dest.GetPixel(0, 0), 0) << "the transparent block copy does nothing";
}

TEST_P(DibCopyTest, OverlappingCopyWithinOneSurfaceReadsBeforeWriting) {
    OrientationGuard order(GetParam());
    SizedDib dib;
    dib.Allocate(8, 8);
    Number(dib);
    SizedDib expected;
    expected.Allocate(8, 8);
    Number(expected);
    SizedDib original;
    original.Allocate(8, 8);
    Number(original);
    expected.CopyRect(&original, CPoint(0, 0), CPoint(2, 1), CSize(5, 6));

    dib.CopyRect(&dib, CPoint(0, 0), CPoint(2, 1), CSize(5, 6));
    EXPECT_EQ(Pixels(dib), Pixels(expected));
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, DibCopyTest,
                         ::testing::Values(CDibG::kBottomUp, CDibG::kTopDown));

TEST(DibCopyTest, TransparentCopySkipsIndexZero) {
    SizedDib source;
    source.Allocate(4, 1);
    const BYTE row[] = {0, 7, 0, 9};
    source.CopyFromBuffer(row, CSize(4, 1), CPoint(0, 0));
    SizedDib dest;
    dest.Allocate(4, 1);
    dest.FillIndex(1);
    dest.CopyRectTransparent(&source, CPoint(0, 0), CPoint(0, 0), CSize(4, 1));
    EXPECT_EQ(Pixels(dest), (std::vector<int>{1, 7, 1, 9}));
}

TEST(DibCopyTest, FillIndexCoversRowPadding) {
    SizedDib dib;
    dib.Allocate(5, 3);
    dib.FillIndex(7);
    for (int i = 0; i < dib.GetImageSize(); ++i) {
        ASSERT_EQ(dib.GetBits()[i], 7) << i;
    }
}

class ColourSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto& entry : CDibG::s_bmiRGB.bmiColors) {
            entry = RGBQUAD{200, 200, 200, 0};
        }
    }
    void TearDown() override { SetUp(); }
    static void Put(int index, BYTE red, BYTE green, BYTE blue) {
        CDibG::s_bmiRGB.bmiColors[index] = RGBQUAD{blue, green, red, 0};
    }
};

TEST_F(ColourSearchTest, IndexZeroIsNeverChosenAndTiesGoLow) {
    SizedDib dib;
    Put(0, 0, 0, 0);
    Put(5, 0, 0, 0);
    const RGBQUAD black{0, 0, 0, 0};
    EXPECT_EQ(dib.GetNearestColorIndex(&black), 5);

    Put(5, 200, 200, 200);
    Put(12, 100, 0, 0);
    Put(40, 0, 100, 0);
    const RGBQUAD between{0, 50, 50, 0};  // red 50, green 50: 100 away from both
    EXPECT_EQ(dib.GetNearestColorIndex(&between), 12);
}

TEST_F(ColourSearchTest, ExactMatchesComeFirstAndFillUsesTheNearest) {
    SizedDib dib;
    Put(30, 10, 20, 30);
    Put(200, 10, 20, 30);
    const RGBQUAD colour{30, 20, 10, 99};  // the fourth byte is ignored
    EXPECT_EQ(dib.GetColorIndex(&colour), 30);

    dib.Allocate(4, 2);
    const RGBQUAD nearly{31, 20, 10, 0};
    dib.Fill(&nearly);
    EXPECT_EQ(dib.GetPixel(3, 1), 30);
}

}  // namespace
