#include <gtest/gtest.h>

#include <array>
#include <set>

#include "packed_dib.h"

namespace {

using ui_art_test::EmbeddedResource;
using ui_art_test::kLightGrey;
using ui_art_test::PackedDib;

constexpr int kWidth = 568;
constexpr int kHeight = 32;
constexpr int kPictures = 14;

PackedDib Strip() {
    return {EmbeddedResource(RT_BITMAP, 2)};
}

TEST(ToolbarStripTest, IsBitmapTwoIn16ColoursOfTheVgaPalette) {
    const PackedDib strip = Strip();
    ASSERT_FALSE(strip.bytes.empty()) << "bitmap 2 is not embedded";
    ASSERT_GE(strip.bytes.size(), strip.PixelsOffset());
    EXPECT_EQ(strip.U32(0), 40u);
    EXPECT_EQ(strip.Width(), kWidth);
    EXPECT_EQ(strip.HeaderHeight(), kHeight) << "positive: bottom-up rows";
    EXPECT_EQ(strip.U16(12), 1u);
    EXPECT_EQ(strip.BitsPerPixel(), 4u);
    EXPECT_EQ(strip.Compression(), 0u);
    EXPECT_EQ(strip.ColoursInTable(), 16u);
    EXPECT_EQ(strip.bytes.size(), strip.PixelsOffset() + strip.Stride4() * kHeight);

    constexpr std::array<std::uint32_t, 16> kVga = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int index = 0; index < 16; ++index) {
        EXPECT_EQ(strip.PaletteEntry(index), kVga[index]) << "colour " << index;
    }
}

TEST(ToolbarStripTest, FourteenPicturesOnTheButtonFaceThenBlank) {
    const PackedDib strip = Strip();
    ASSERT_EQ(strip.bytes.size(), strip.PixelsOffset() + strip.Stride4() * kHeight);
    for (int picture = 0; picture < kPictures; ++picture) {
        std::set<int> colours;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = picture * 32; x < picture * 32 + 32; ++x) {
                colours.insert(strip.Colour(x, y, kHeight));
            }
        }
        EXPECT_GE(colours.size(), 3u) << "picture " << picture << " looks blank";
        EXPECT_TRUE(colours.contains(kLightGrey)) << "picture " << picture << " hides the face";
    }
    for (int y = 0; y < kHeight; ++y) {
        for (int x = kPictures * 32; x < kWidth; ++x) {
            ASSERT_EQ(strip.Colour(x, y, kHeight), kLightGrey) << "at " << x << ", " << y;
        }
    }
}

}  // namespace
