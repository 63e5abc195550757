// Packed device-independent bitmaps and icon images as the window system's
// 32-bit pictures, for the toolbar strip and the window icon.
#pragma once

#include <cstddef>

#include "platform/user/controls.h"

namespace vandrel::user {

// A packed DIB (header, colour table, pixels) of 1, 4 or 8 bits per pixel,
// either row order. False for anything else or a truncated image.
bool DecodePackedDib(const void* data, std::size_t size, Image32* image);
// An icon image: a packed DIB of twice the icon's height holding the colour
// bits and then the 1-bit transparency mask.
bool DecodeIconImage(const void* data, std::size_t size, Image32* image);

}  // namespace vandrel::user
