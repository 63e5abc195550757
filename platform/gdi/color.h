// Colour arithmetic shared by palette matching and pixel lookups.
#pragma once

#include <cstdint>
#include <span>

#include "platform/base/win_types.h"

namespace vandrel::gdi {

struct Rgb {
    BYTE red;
    BYTE green;
    BYTE blue;

    bool operator==(const Rgb&) const = default;
};

inline Rgb RgbOf(const PALETTEENTRY& entry) {
    return {entry.peRed, entry.peGreen, entry.peBlue};
}
inline Rgb RgbOf(const RGBQUAD& quad) {
    return {quad.rgbRed, quad.rgbGreen, quad.rgbBlue};
}
inline Rgb RgbOf(COLORREF color) {
    return {GetRValue(color), GetGValue(color), GetBValue(color)};
}
inline std::uint32_t Xrgb(Rgb c) {
    return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

// Index of the first entry closest to `color` in RGB space; 0 when empty.
int NearestIndex(std::span<const PALETTEENTRY> entries, Rgb color);
int NearestIndex(std::span<const RGBQUAD> entries, Rgb color);

}  // namespace vandrel::gdi
