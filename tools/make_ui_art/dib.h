// Packed device-independent bitmaps with 4 bits per pixel: a 40-byte
// BITMAPINFOHEADER, the sixteen VGA colours, then the rows bottom-up, each
// padded to a multiple of four bytes. All fields are little-endian.
#pragma once

#include <cstdint>
#include <vector>

namespace ui_art {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kPaletteSize = 16 * 4;

// Colour numbers 0-15, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> colours;

    std::uint8_t At(int x, int y) const { return colours[y * width + x]; }
};

// Bytes in one stored row of a bitmap `width` pixels wide at `bitsPerPixel`.
int StrideOf(int width, int bitsPerPixel);

// `headerHeight` differs from the image's own height in icon images, whose
// header counts the mask rows that follow the colour rows.
void AppendInfoHeader(Bytes& out, int width, int headerHeight, std::uint32_t imageBytes);
void AppendVgaPalette(Bytes& out);
void AppendRows4(Bytes& out, const IndexedImage& image);

// A complete packed DIB of the image.
Bytes EncodeDib4(const IndexedImage& image);

}  // namespace ui_art
