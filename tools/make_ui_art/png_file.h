// A minimal PNG file: 8-bit RGBA, not interlaced, every row unfiltered, the
// image data in one zlib stream of stored blocks. What desktops expect of an
// application icon, written with the standard library alone.
#pragma once

#include "dib.h"

namespace ui_art {

struct RgbaImage {
    int width = 0;
    int height = 0;
    // Red, green, blue, alpha per pixel, top row first.
    Bytes pixels;
};

Bytes EncodePng(const RgbaImage& image);

}  // namespace ui_art
