#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "packed_dib.h"

namespace {

using ui_art_test::EmbeddedResource;
using ui_art_test::kLightGrey;
using ui_art_test::PackedDib;

constexpr int kSize = 32;
constexpr std::size_t kColourBytes = 16 * kSize;  // 4 bits, rows already a multiple of 4
constexpr std::size_t kMaskStride = 4;

bool Transparent(const PackedDib& icon, int x, int y) {
    const std::size_t row = static_cast<std::size_t>(kSize - 1 - y);
    const std::uint8_t bits =
        icon.bytes[icon.PixelsOffset() + kColourBytes + row * kMaskStride + x / 8];
    return (bits & (0x80 >> (x % 8))) != 0;
}

struct IconCase {
    unsigned id;
    int stripPicture;
};

void PrintTo(const IconCase& icon, std::ostream* out) {
    *out << "icon " << icon.id << ", toolbar picture " << icon.stripPicture;
}

class IconTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconTest, IsA32By32SixteenColourIconImageWithAMask) {
    const PackedDib icon{EmbeddedResource(RT_ICON, GetParam().id)};
    ASSERT_FALSE(icon.bytes.empty()) << "icon " << GetParam().id << " is not embedded";
    ASSERT_EQ(icon.bytes.size(), icon.PixelsOffset() + kColourBytes + kMaskStride * kSize);
    EXPECT_EQ(icon.U32(0), 40u);
    EXPECT_EQ(icon.Width(), kSize);
    EXPECT_EQ(icon.HeaderHeight(), 2 * kSize) << "the colour image and the mask";
    EXPECT_EQ(icon.BitsPerPixel(), 4u);
    EXPECT_EQ(icon.ColoursInTable(), 16u);
    EXPECT_EQ(icon.PaletteEntry(kLightGrey), 0xC0C0C0u);

    int transparent = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            transparent += Transparent(icon, x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(transparent, 0) << "the icon has no transparent pixel";
    EXPECT_LT(transparent, kSize * kSize) << "the icon is invisible";
}

// The icons show the same pictures as their toolbar buttons; where the icon
// lets the desktop through, the button shows its face.
TEST_P(IconTest, MatchesItsToolbarPicture) {
    const PackedDib icon{EmbeddedResource(RT_ICON, GetParam().id)};
    const PackedDib strip{EmbeddedResource(RT_BITMAP, 2)};
    ASSERT_EQ(icon.bytes.size(), icon.PixelsOffset() + kColourBytes + kMaskStride * kSize);
    ASSERT_EQ(strip.bytes.size(), strip.PixelsOffset() + strip.Stride4() * kSize);
    const int left = GetParam().stripPicture * kSize;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int onButton = strip.Colour(left + x, y, kSize);
            if (Transparent(icon, x, y)) {
                ASSERT_EQ(onButton, kLightGrey) << "at " << x << ", " << y;
                ASSERT_EQ(icon.Colour(x, y, kSize), 0) << "black leaves the desktop as is";
            } else {
                ASSERT_EQ(icon.Colour(x, y, kSize), onButton) << "at " << x << ", " << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Icons, IconTest, ::testing::Values(IconCase{2, 11}, IconCase{1002, 12}),
                         [](const auto& test) { return "Icon" + std::to_string(test.param.id); });

}  // namespace
