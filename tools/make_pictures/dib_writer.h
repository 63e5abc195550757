// The stored forms of a picture: the packed device-independent bitmap the
// program embeds as a resource, and a plain .bmp file for looking at it.
#pragma once

#include <cstdint>
#include <vector>

#include "indexed_picture.h"

namespace pictures {

// The optional header fields were filled in by some paint programs and left
// at zero by others; the pictures came from both, and the loader must not
// care.
struct HeaderStyle {
    bool recordsSizes = false;  // biSizeImage 65,536 and 256 colours used and important
    std::int32_t pelsPerMetre = 0;
};

// 40-byte header, 256 colours, then the rows bottom row first, each row
// mirrored left to right, because the renderer reverses every row it shows.
std::vector<std::uint8_t> PackedDib(const IndexedPicture& picture, const HeaderStyle& style);

// A .bmp file of the picture the right way round, for viewers and converters.
std::vector<std::uint8_t> PreviewBmp(const IndexedPicture& picture);

}  // namespace pictures
