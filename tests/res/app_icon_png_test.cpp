#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <string>

#include "packed_dib.h"

namespace {

using ui_art_test::EmbeddedResource;
using ui_art_test::PackedDib;

constexpr int kArtSize = 32;
constexpr unsigned kAppIcon = 2;

QImage LoadIconPng(int size) {
    const std::string file =
        std::string(VANDREL_APP_ICON_PNG_DIR) + "/icon2-" + std::to_string(size) + ".png";
    // Qt's own PNG reader, not ours: the desktop's readers must accept the file.
    QImage image(QString::fromStdString(file), "PNG");
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The embedded 32 x 32 icon resource, whose colours and mask have their own
// tests, as the colour a desktop should show at each pixel.
QRgb IconResourcePixel(const PackedDib& icon, int x, int y) {
    const std::size_t maskStart = icon.PixelsOffset() + icon.Stride4() * kArtSize;
    const std::size_t maskRow = static_cast<std::size_t>(kArtSize - 1 - y);
    const std::uint8_t maskBits =
        icon.bytes[maskStart + maskRow * 4 + static_cast<std::size_t>(x) / 8];
    if ((maskBits & (0x80 >> (x % 8))) != 0) {
        return qRgba(0, 0, 0, 0);
    }
    return 0xFF000000u | icon.PaletteEntry(icon.Colour(x, y, kArtSize));
}

TEST(AppIconPng, At32PixelsShowsTheIconResourceWithItsTransparency) {
    const PackedDib icon{EmbeddedResource(RT_ICON, kAppIcon)};
    ASSERT_FALSE(icon.bytes.empty());
    const QImage png = LoadIconPng(kArtSize);
    ASSERT_FALSE(png.isNull()) << "Qt cannot read the 32 x 32 PNG";
    ASSERT_EQ(png.width(), kArtSize);
    ASSERT_EQ(png.height(), kArtSize);
    for (int y = 0; y < kArtSize; ++y) {
        for (int x = 0; x < kArtSize; ++x) {
            const QRgb expected = IconResourcePixel(icon, x, y);
            const QRgb actual = png.pixel(x, y);
            if (qAlpha(expected) == 0) {
                ASSERT_EQ(qAlpha(actual), 0) << "at " << x << ", " << y;
            } else {
                ASSERT_EQ(actual, expected) << "at " << x << ", " << y;
            }
        }
    }
}

class AppIconPngScaled : public ::testing::TestWithParam<int> {};

// Larger sizes repeat each pixel, so the hard edges of the art stay sharp.
TEST_P(AppIconPngScaled, RepeatsEachPixelOfThe32PixelIcon) {
    const int size = GetParam();
    const int scale = size / kArtSize;
    const QImage original = LoadIconPng(kArtSize);
    const QImage png = LoadIconPng(size);
    ASSERT_FALSE(original.isNull());
    ASSERT_FALSE(png.isNull()) << "Qt cannot read the " << size << " x " << size << " PNG";
    ASSERT_EQ(png.width(), size);
    ASSERT_EQ(png.height(), size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            ASSERT_EQ(png.pixel(x, y), original.pixel(x / scale, y / scale))
                << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DesktopSizes, AppIconPngScaled, ::testing::Values(64, 128));

}  // namespace
