// A picture in its final form: a 256-entry colour table and one byte per
// pixel, still top row first and unmirrored.
#pragma once

#include <array>
#include <cstdint>

#include "rgb_image.h"

namespace pictures {

struct Colour8 {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct IndexedPicture {
    std::array<Colour8, 256> table{};
    std::array<std::uint8_t, kSize * kSize> pixels{};

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * kSize + x)]; }
};

}  // namespace pictures
