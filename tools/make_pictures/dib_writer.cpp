#include "dib_writer.h"

namespace pictures {
namespace {

constexpr std::uint32_t kHeaderBytes = 40;
constexpr std::uint32_t kTableBytes = 256 * 4;
constexpr std::uint32_t kPixelBytes = kSize * kSize;
constexpr std::uint32_t kFileHeaderBytes = 14;

// Everything in these formats is little-endian, whatever the host is.
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

enum class Facing { kMirrored, kAsSeen };

void PutDib(std::vector<std::uint8_t>& out, const IndexedPicture& picture, const HeaderStyle& style,
            Facing facing) {
    Put32(out, kHeaderBytes);
    Put32(out, kSize);  // width
    Put32(out, kSize);  // height, positive: bottom row first
    Put16(out, 1);      // planes
    Put16(out, 8);      // bits per pixel
    Put32(out, 0);      // no compression
    Put32(out, style.recordsSizes ? kPixelBytes : 0);
    Put32(out, static_cast<std::uint32_t>(style.pelsPerMetre));
    Put32(out, static_cast<std::uint32_t>(style.pelsPerMetre));
    Put32(out, style.recordsSizes ? 256 : 0);  // colours used
    Put32(out, style.recordsSizes ? 256 : 0);  // colours important

    for (const Colour8& c : picture.table) {
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    for (int row = kSize - 1; row >= 0; --row) {
        for (int column = 0; column < kSize; ++column) {
            int x = facing == Facing::kMirrored ? kSize - 1 - column : column;
            out.push_back(picture.At(x, row));
        }
    }
}

}  // namespace

std::vector<std::uint8_t> PackedDib(const IndexedPicture& picture, const HeaderStyle& style) {
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + kTableBytes + kPixelBytes);
    PutDib(out, picture, style, Facing::kMirrored);
    return out;
}

std::vector<std::uint8_t> PreviewBmp(const IndexedPicture& picture) {
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, kFileHeaderBytes + kHeaderBytes + kTableBytes + kPixelBytes);
    Put32(out, 0);  // reserved
    Put32(out, kFileHeaderBytes + kHeaderBytes + kTableBytes);
    PutDib(out, picture, HeaderStyle{true, 2835}, Facing::kAsSeen);
    return out;
}

}  // namespace pictures
