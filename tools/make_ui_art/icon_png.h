// The application icon as the desktop's icon theme wants it: a PNG of
// `size` x `size` pixels, the picture scaled up by repeating each pixel so
// its hard 1990s edges stay crisp, transparent where the art has background.
#pragma once

#include "dib.h"
#include "pixel_art.h"

namespace ui_art {

// Throws std::invalid_argument unless `size` is a positive multiple of the
// art's 32 pixels: any other scale would blur or drop pixels.
Bytes EncodeIconPng(const PixelArt& picture, int size);

}  // namespace ui_art
