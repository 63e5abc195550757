// The picture layouts the surface reads: packed DIB resources, BMP files and
// PCX files. Everything here checks what a header claims against the bytes
// actually there, so a short or lying source is refused before a surface or
// palette is touched.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/base/win_types.h"

namespace vandrel::pictures {

// Larger pictures are not pictures this program shows; the limit also keeps
// every size computation far from overflow.
inline constexpr int kLargestSide = 16384;

inline constexpr std::size_t kColourTableBytes = 256 * sizeof(RGBQUAD);
inline constexpr std::size_t kBmpFileHeaderBytes = 14;
inline constexpr std::size_t kPcxHeaderBytes = 128;
inline constexpr std::size_t kPcxPaletteBytes = 768;

// Bytes per pixel row of an 8-bit picture: the width rounded up to whole
// 32-bit words.
constexpr int StrideFor(int width) {
    return ((width * 8 + 31) / 32) * 4;
}

// A packed DIB as compiled into the program: header, 256 colours, then
// bottom-up rows.
struct PackedDib {
    BITMAPINFOHEADER header;
    const RGBQUAD* colours;
    const BYTE* pixels;  // bottom row first
};

// Nothing when the block is not an uncompressed, bottom-up, 8-bit picture
// with a full colour table and all its rows.
std::optional<PackedDib> ReadPackedDib(const BYTE* data, std::size_t size);

// True when a BMP file's information header describes a picture the surface
// can read: a 40-byte header, uncompressed, 8 bits, one plane, a full colour
// table, and a sane positive size.
bool IsReadableBmpHeader(const BITMAPINFOHEADER& header);
// True for the two bytes every BMP file starts with.
bool IsBmpFileHeader(const BYTE (&fileHeader)[kBmpFileHeaderBytes]);

struct PcxLayout {
    int width;
    int height;
    int bytesPerLine;
};

// Nothing unless the header is an 8-bit, single-plane, run-length encoded
// PCX header whose maximum is not below its minimum on either axis and whose
// lines hold at least a row of pixels.
std::optional<PcxLayout> ReadPcxHeader(const BYTE (&header)[kPcxHeaderBytes]);

// Decodes run-length encoded rows, top row first, into memory rows 0 onward
// of `pixels` (stride bytes apart, `height` rows). A row keeps at most
// `stride` bytes; the rest of a line, and any run that passes the line's
// end, is dropped. Returns false when the data ends before the last row is
// complete; nothing outside either buffer is ever touched.
bool DecodePcx(const BYTE* data, std::size_t size, const PcxLayout& layout, BYTE* pixels,
               int stride);

}  // namespace vandrel::pictures
