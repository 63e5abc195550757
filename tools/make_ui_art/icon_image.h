// A 32 x 32, 16-colour icon image as an icon resource holds it: a
// BITMAPINFOHEADER whose height counts both halves (64), the VGA colours, the
// 4-bit colour image bottom-up, then the 1-bit mask bottom-up, where a set
// bit lets the desktop show through.
#pragma once

#include "dib.h"
#include "pixel_art.h"

namespace ui_art {

Bytes EncodeIconImage(const PixelArt& picture);

// The icon as it looks on the classic dark cyan desktop, for previews.
IndexedImage IconOnDesktop(const PixelArt& picture);

}  // namespace ui_art
