#include "icon_png.h"

#include <stdexcept>
#include <string>

#include "png_file.h"
#include "vga_palette.h"

namespace ui_art {

Bytes EncodeIconPng(const PixelArt& picture, int size) {
    if (size < kArtSize || size % kArtSize != 0) {
        throw std::invalid_argument("an icon size must be a multiple of " +
                                    std::to_string(kArtSize) + ", got " + std::to_string(size));
    }
    const int scale = size / kArtSize;
    RgbaImage image;
    image.width = size;
    image.height = size;
    image.pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t colour = picture.At(x / scale, y / scale);
            if (colour == kBackground) {
                image.pixels.insert(image.pixels.end(), {0, 0, 0, 0});
                continue;
            }
            const Rgb& rgb = kVgaPalette[colour];
            image.pixels.insert(image.pixels.end(), {rgb.red, rgb.green, rgb.blue, 0xFF});
        }
    }
    return EncodePng(image);
}

}  // namespace ui_art
