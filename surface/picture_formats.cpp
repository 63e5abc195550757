#include "surface/picture_formats.h"

#include <algorithm>
#include <cstring>

namespace vandrel::pictures {
namespace {

bool IsSaneSide(LONG side) {
    return side > 0 && side <= kLargestSide;
}

// The parts of an information header that every reader insists on.
bool IsPlain8BitHeader(const BITMAPINFOHEADER& header) {
    return header.biPlanes == 1 && header.biBitCount == 8 && header.biCompression == BI_RGB &&
           (header.biClrUsed == 0 || header.biClrUsed == 256) && IsSaneSide(header.biWidth) &&
           IsSaneSide(header.biHeight);
}

int Read16(const BYTE* p) {
    return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}

}  // namespace

std::optional<PackedDib> ReadPackedDib(const BYTE* data, std::size_t size) {
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) {
        return std::nullopt;
    }
    PackedDib dib{};
    std::memcpy(&dib.header, data, sizeof dib.header);
    const std::size_t headerBytes = dib.header.biSize;
    if (headerBytes < sizeof(BITMAPINFOHEADER) || headerBytes > size ||
        !IsPlain8BitHeader(dib.header)) {
        return std::nullopt;
    }
    const std::size_t pixelBytes = static_cast<std::size_t>(StrideFor(dib.header.biWidth)) *
                                   static_cast<std::size_t>(dib.header.biHeight);
    if (size - headerBytes < kColourTableBytes ||
        size - headerBytes - kColourTableBytes < pixelBytes) {
        return std::nullopt;
    }
    dib.colours = reinterpret_cast<const RGBQUAD*>(data + headerBytes);
    dib.pixels = data + headerBytes + kColourTableBytes;
    return dib;
}

bool IsReadableBmpHeader(const BITMAPINFOHEADER& header) {
    // The colours and rows are read straight after a 40-byte header, so a
    // longer header would put them in the wrong place.
    return header.biSize == sizeof(BITMAPINFOHEADER) && IsPlain8BitHeader(header);
}

bool IsBmpFileHeader(const BYTE (&fileHeader)[kBmpFileHeaderBytes]) {
    return fileHeader[0] == 'B' && fileHeader[1] == 'M';
}

std::optional<PcxLayout> ReadPcxHeader(const BYTE (&header)[kPcxHeaderBytes]) {
    constexpr BYTE kRunLengthEncoding = 1;
    if (header[2] != kRunLengthEncoding || header[3] != 8 || header[65] != 1) {
        return std::nullopt;
    }
    const int xMin = Read16(header + 4);
    const int yMin = Read16(header + 6);
    const int xMax = Read16(header + 8);
    const int yMax = Read16(header + 10);
    const PcxLayout layout{xMax - xMin + 1, yMax - yMin + 1, Read16(header + 66)};
    if (xMax < xMin || yMax < yMin || !IsSaneSide(layout.width) || !IsSaneSide(layout.height) ||
        layout.bytesPerLine < layout.width) {
        return std::nullopt;
    }
    return layout;
}

bool DecodePcx(const BYTE* data, std::size_t size, const PcxLayout& layout, BYTE* pixels,
               int stride) {
    const BYTE* const end = data + size;
    for (int row = 0; row < layout.height; ++row) {
        BYTE* out = pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(stride);
        int kept = 0;  // bytes of this row written so far
        int count = layout.bytesPerLine;
        while (count > 0) {
            if (data == end) {
                return false;
            }
            int run = 1;
            BYTE value = *data++;
            if (value >= 0xC0) {
                if (data == end) {
                    return false;
                }
                run = value & 0x3F;
                value = *data++;
            }
            const int take = std::min(run, count);
            const int fit = std::clamp(stride - kept, 0, take);
            std::memset(out + kept, value, static_cast<std::size_t>(fit));
            kept += fit;
            count -= take;  // a run of nothing consumes its two bytes only
        }
    }
    return true;
}

}  // namespace vandrel::pictures
