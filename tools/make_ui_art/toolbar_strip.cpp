#include "toolbar_strip.h"

#include <stdexcept>
#include <string>

#include "vga_palette.h"

namespace ui_art {

IndexedImage ComposeStrip(const std::vector<PixelArt>& pictures) {
    constexpr int kCapacity = kStripWidth / kArtSize;
    if (pictures.size() > kCapacity) {
        throw std::invalid_argument("the toolbar strip holds at most " + std::to_string(kCapacity) +
                                    " pictures");
    }
    IndexedImage strip;
    strip.width = kStripWidth;
    strip.height = kArtSize;
    strip.colours.assign(static_cast<std::size_t>(kStripWidth * kArtSize), kLightGrey);
    for (std::size_t slot = 0; slot < pictures.size(); ++slot) {
        const int left = static_cast<int>(slot) * kArtSize;
        for (int y = 0; y < kArtSize; ++y) {
            for (int x = 0; x < kArtSize; ++x) {
                const std::uint8_t colour = pictures[slot].At(x, y);
                if (colour != kBackground) {
                    strip.colours[y * kStripWidth + left + x] = colour;
                }
            }
        }
    }
    return strip;
}

}  // namespace ui_art
