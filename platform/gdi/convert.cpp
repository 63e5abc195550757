// Showing images of system palette slots in colour, for the window system on
// the emulated palette display.
#include <algorithm>

#include "platform/gdi/display.h"
#include "platform/gdi/window_surface.h"

namespace vandrel::gdi {

void ConvertToXrgb(const PixelBuffer& slots, const RECT& area, const PixelBuffer& xrgb) {
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min({area.right, slots.width, xrgb.width});
    const int bottom = std::min({area.bottom, slots.height, xrgb.height});
    if (slots.IsEmpty() || xrgb.IsEmpty() || left >= right || top >= bottom) {
        return;
    }
    // Slots past the end of a small system palette show black.
    std::uint32_t colors[256] = {};
    const std::vector<PALETTEENTRY>& system = Display::Get().SystemPalette();
    for (std::size_t slot = 0; slot < std::min<std::size_t>(system.size(), 256); ++slot) {
        colors[slot] = Xrgb(RgbOf(system[slot]));
    }
    for (int y = top; y < bottom; ++y) {
        const BYTE* in = slots.Row(y);
        auto* out = reinterpret_cast<std::uint32_t*>(xrgb.Row(y));
        for (int x = left; x < right; ++x) {
            out[x] = colors[in[x]];
        }
    }
}

}  // namespace vandrel::gdi
