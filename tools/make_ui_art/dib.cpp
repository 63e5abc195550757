#include "dib.h"

#include "little_endian.h"
#include "vga_palette.h"

namespace ui_art {

int StrideOf(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void AppendInfoHeader(Bytes& out, int width, int headerHeight, std::uint32_t imageBytes) {
    PutU32(out, kInfoHeaderSize);
    PutI32(out, width);
    PutI32(out, headerHeight);  // positive: rows are stored bottom-up
    PutU16(out, 1);             // planes
    PutU16(out, 4);             // bits per pixel
    PutU32(out, 0);             // BI_RGB, uncompressed
    PutU32(out, imageBytes);
    PutI32(out, 0);  // no preferred resolution
    PutI32(out, 0);
    PutU32(out, kColourCount);  // colours in the table
    PutU32(out, 0);             // all of them matter
}

void AppendVgaPalette(Bytes& out) {
    for (const Rgb& colour : kVgaPalette) {
        // RGBQUAD keeps blue first.
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
}

void AppendRows4(Bytes& out, const IndexedImage& image) {
    const int stride = StrideOf(image.width, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < image.width; ++x) {
            // The left pixel of each pair lives in the high nibble.
            const int shift = (x % 2 == 0) ? 4 : 0;
            row[x / 2] = static_cast<std::uint8_t>(row[x / 2] | (image.At(x, y) << shift));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes EncodeDib4(const IndexedImage& image) {
    const auto imageBytes = static_cast<std::uint32_t>(StrideOf(image.width, 4) * image.height);
    Bytes out;
    AppendInfoHeader(out, image.width, image.height, imageBytes);
    AppendVgaPalette(out);
    AppendRows4(out, image);
    return out;
}

}  // namespace ui_art
