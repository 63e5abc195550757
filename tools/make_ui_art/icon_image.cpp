#include "icon_image.h"

#include "vga_palette.h"

namespace ui_art {

namespace {

IndexedImage Flatten(const PixelArt& picture, std::uint8_t background) {
    IndexedImage image;
    image.width = kArtSize;
    image.height = kArtSize;
    image.colours.reserve(picture.pixels.size());
    for (std::uint8_t colour : picture.pixels) {
        image.colours.push_back(colour == kBackground ? background : colour);
    }
    return image;
}

void AppendMaskRows(Bytes& out, const PixelArt& picture) {
    const int stride = StrideOf(kArtSize, 1);
    for (int y = kArtSize - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < kArtSize; ++x) {
            if (picture.At(x, y) == kBackground) {
                // The leftmost pixel is the most significant bit.
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

Bytes EncodeIconImage(const PixelArt& picture) {
    // Black under a transparent mask bit leaves the desktop untouched when
    // the colour image is XORed over the masked screen.
    const IndexedImage colours = Flatten(picture, kBlack);
    const auto imageBytes =
        static_cast<std::uint32_t>((StrideOf(kArtSize, 4) + StrideOf(kArtSize, 1)) * kArtSize);
    Bytes out;
    AppendInfoHeader(out, kArtSize, 2 * kArtSize, imageBytes);
    AppendVgaPalette(out);
    AppendRows4(out, colours);
    AppendMaskRows(out, picture);
    return out;
}

IndexedImage IconOnDesktop(const PixelArt& picture) {
    return Flatten(picture, kDarkCyan);
}

}  // namespace ui_art
