// The toolbar strip's and the icons' pictures as 32-bit images.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/user/dib_image.h"

namespace {

// A 4-bit packed DIB of `width` x `height`, bottom-up, colour k = (k, 0, 0),
// its rows given top first as one index per pixel, and an optional mask.
std::vector<BYTE> Dib4(int width, const std::vector<std::vector<int>>& rowsTopFirst,
                       int storedHeight, const std::vector<std::vector<int>>& maskTopFirst = {}) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = storedHeight;
    header.biPlanes = 1;
    header.biBitCount = 4;
    std::vector<BYTE> out(sizeof(header));
    std::memcpy(out.data(), &header, sizeof(header));
    for (int k = 0; k < 16; ++k) {
        const RGBQUAD color{0, 0, static_cast<BYTE>(k), 0};
        const auto* bytes = reinterpret_cast<const BYTE*>(&color);
        out.insert(out.end(), bytes, bytes + 4);
    }
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    for (auto row = rowsTopFirst.rbegin(); row != rowsTopFirst.rend(); ++row) {
        std::vector<BYTE> bytes(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < width; ++x) {
            bytes[static_cast<std::size_t>(x / 2)] |=
                static_cast<BYTE>((*row)[static_cast<std::size_t>(x)] << (x % 2 == 0 ? 4 : 0));
        }
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    const int maskBytes = ((width + 31) / 32) * 4;
    for (auto row = maskTopFirst.rbegin(); row != maskTopFirst.rend(); ++row) {
        std::vector<BYTE> bytes(static_cast<std::size_t>(maskBytes), 0);
        for (int x = 0; x < width; ++x) {
            bytes[static_cast<std::size_t>(x / 8)] |=
                static_cast<BYTE>((*row)[static_cast<std::size_t>(x)] << (7 - x % 8));
        }
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

std::uint32_t Red(int k) {
    return 0xFF000000u | (static_cast<std::uint32_t>(k) << 16);
}

}  // namespace

TEST(DibImageTest, PackedDibsComeOutTopRowFirst) {
    const auto dib = Dib4(3, {{1, 2, 3}, {4, 5, 15}}, 2);
    vandrel::user::Image32 image;
    ASSERT_TRUE(vandrel::user::DecodePackedDib(dib.data(), dib.size(), &image));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels,
              (std::vector<std::uint32_t>{Red(1), Red(2), Red(3), Red(4), Red(5), Red(15)}));
    EXPECT_FALSE(vandrel::user::DecodePackedDib(dib.data(), dib.size() - 1, &image))
        << "a truncated image is refused";
}

TEST(DibImageTest, IconMasksMakePixelsTransparent) {
    const auto icon = Dib4(2, {{1, 2}, {3, 4}}, 4, {{0, 1}, {1, 0}});
    vandrel::user::Image32 image;
    ASSERT_TRUE(vandrel::user::DecodeIconImage(icon.data(), icon.size(), &image));
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{Red(1), 0, 0, Red(4)}));
}
