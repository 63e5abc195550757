// The halftone palette: a fixed spread of colours for programs that have no
// palette of their own, and brushes in its colours.
#include "platform/gdi/gdi.h"
#include "wing/wing_api.h"

namespace {

constexpr int kCubeSide = 6;
constexpr int kCubeColours = kCubeSide * kCubeSide * kCubeSide;
constexpr int kGreys = 256 - kCubeColours;

// A 6 x 6 x 6 colour cube, then a ramp of greys that the cube lacks, so
// shaded pictures keep smooth greys.
LOGPALETTE HalftoneEntries() {
    LOGPALETTE palette{};
    palette.palVersion = 0x300;
    palette.palNumEntries = 256;
    int i = 0;
    for (int red = 0; red < kCubeSide; ++red) {
        for (int green = 0; green < kCubeSide; ++green) {
            for (int blue = 0; blue < kCubeSide; ++blue) {
                palette.palPalEntry[i++] = {static_cast<BYTE>(red * 51),
                                            static_cast<BYTE>(green * 51),
                                            static_cast<BYTE>(blue * 51), 0};
            }
        }
    }
    for (int grey = 0; grey < kGreys; ++grey) {
        const auto level = static_cast<BYTE>((grey + 1) * 255 / (kGreys + 1));
        palette.palPalEntry[i++] = {level, level, level, 0};
    }
    return palette;
}

}  // namespace

#ifndef VANDREL_WING_OMIT_WinGCreateHalftonePalette
HPALETTE WinGCreateHalftonePalette() {
    const LOGPALETTE entries = HalftoneEntries();
    return CreatePalette(&entries);
}
#endif

// Our GDI has solid brushes only, so every dither type gives the nearest
// halftone colour, solid: the colour a dither would average to on screen.
HBRUSH WinGCreateHalftoneBrush(HDC /*dc*/, COLORREF color, WING_DITHER_TYPE dither) {
    if (dither != WING_DISPERSED_4x4 && dither != WING_DISPERSED_8x8 &&
        dither != WING_CLUSTERED_4x4) {
        return nullptr;
    }
    const LOGPALETTE entries = HalftoneEntries();
    HPALETTE halftone = CreatePalette(&entries);
    if (halftone == nullptr) {
        return nullptr;
    }
    const UINT nearest = GetNearestPaletteIndex(halftone, color);
    DeleteObject(halftone);
    const PALETTEENTRY& entry = entries.palPalEntry[nearest < 256 ? nearest : 0];
    return CreateSolidBrush(RGB(entry.peRed, entry.peGreen, entry.peBlue));
}
