#include "platform/user/dib_image.h"

#include <cstring>

namespace vandrel::user {
namespace {

std::size_t RowBytes(int width, int bits) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

int PixelIndex(const BYTE* row, int x, int bits) {
    switch (bits) {
        case 1:
            return (row[x / 8] >> (7 - x % 8)) & 1;
        case 4:
            return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
        default:
            return row[x];
    }
}

struct Layout {
    BITMAPINFOHEADER header;
    const RGBQUAD* colors;
    const BYTE* bits;
    std::size_t rowBytes;
};

bool Parse(const void* data, std::size_t size, int rows, Layout* layout) {
    if (size < sizeof(BITMAPINFOHEADER)) {
        return false;
    }
    std::memcpy(&layout->header, data, sizeof(BITMAPINFOHEADER));
    const BITMAPINFOHEADER& h = layout->header;
    const int bits = h.biBitCount;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biCompression != BI_RGB || h.biWidth <= 0 ||
        (bits != 1 && bits != 4 && bits != 8)) {
        return false;
    }
    const std::size_t colorCount = h.biClrUsed != 0 ? h.biClrUsed : (std::size_t{1} << bits);
    const std::size_t colorOffset = h.biSize;
    const std::size_t bitsOffset = colorOffset + colorCount * sizeof(RGBQUAD);
    layout->rowBytes = RowBytes(h.biWidth, bits);
    if (bitsOffset + layout->rowBytes * static_cast<std::size_t>(rows) > size) {
        return false;
    }
    const auto* bytes = static_cast<const BYTE*>(data);
    layout->colors = reinterpret_cast<const RGBQUAD*>(bytes + colorOffset);
    layout->bits = bytes + bitsOffset;
    return true;
}

std::uint32_t Argb(const RGBQUAD& c) {
    return 0xFF000000u | (std::uint32_t{c.rgbRed} << 16) | (std::uint32_t{c.rgbGreen} << 8) |
           c.rgbBlue;
}

void DecodeRows(const Layout& layout, int width, int height, bool bottomUp, Image32* image) {
    image->width = width;
    image->height = height;
    image->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const int stored = bottomUp ? height - 1 - y : y;
        const BYTE* row = layout.bits + layout.rowBytes * static_cast<std::size_t>(stored);
        for (int x = 0; x < width; ++x) {
            image->pixels[static_cast<std::size_t>(y * width + x)] =
                Argb(layout.colors[PixelIndex(row, x, layout.header.biBitCount)]);
        }
    }
}

}  // namespace

bool DecodePackedDib(const void* data, std::size_t size, Image32* image) {
    Layout layout{};
    if (size >= sizeof(BITMAPINFOHEADER)) {
        std::memcpy(&layout.header, data, sizeof(BITMAPINFOHEADER));
    }
    const int height =
        layout.header.biHeight < 0 ? -layout.header.biHeight : layout.header.biHeight;
    if (height == 0 || !Parse(data, size, height, &layout)) {
        return false;
    }
    DecodeRows(layout, layout.header.biWidth, height, layout.header.biHeight > 0, image);
    return true;
}

bool DecodeIconImage(const void* data, std::size_t size, Image32* image) {
    Layout layout{};
    if (size >= sizeof(BITMAPINFOHEADER)) {
        std::memcpy(&layout.header, data, sizeof(BITMAPINFOHEADER));
    }
    const int height = layout.header.biHeight / 2;
    const int width = layout.header.biWidth;
    const std::size_t maskRowBytes = RowBytes(width, 1);
    if (height <= 0 || !Parse(data, size, height, &layout) ||
        static_cast<std::size_t>(layout.bits - static_cast<const BYTE*>(data)) +
                (layout.rowBytes + maskRowBytes) * static_cast<std::size_t>(height) >
            size) {
        return false;
    }
    DecodeRows(layout, width, height, true, image);
    const BYTE* mask = layout.bits + layout.rowBytes * static_cast<std::size_t>(height);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = mask + maskRowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            if (PixelIndex(row, x, 1) != 0) {
                image->pixels[static_cast<std::size_t>(y * width + x)] = 0;  // transparent
            }
        }
    }
    return true;
}

}  // namespace vandrel::user
