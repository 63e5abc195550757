// The x2 copy the program presents every frame, as a drawing the window
// system can carry out when and where it shows it: straight into the
// screen's image, so that a frame is not written once into the window's own
// image and then copied again. It keeps its own copy of the source pixels
// and of the colour lookup, since the program renders the next frame into
// the same bitmap before a hidden or covered window may need this one.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/gdi/pixel_buffer.h"
#include "platform/gdi/window_surface.h"
#include "wing/kernels/doubling_kernels.h"

namespace vandrel::wing {

class DoubledCopy final : public gdi::SurfaceDrawing {
public:
    // `width` x `height` source pixels from (x, y) of `source` (8-bit), each
    // through `lookup`, to the area of twice the size at `to` on the surface.
    DoubledCopy(const gdi::PixelBuffer& source, int x, int y, int width, int height,
                const gdi::PixelLookup& lookup, POINT to);

    RECT Area() const override;
    void DrawAt(const gdi::PixelBuffer& target, int x, int y, TopByte top) const override;

private:
    int m_width;
    int m_height;
    POINT m_to;
    std::unique_ptr<std::uint8_t[]> m_pixels;  // m_height rows of m_width, top row first
    std::array<std::uint32_t, 256> m_lookup;
};

}  // namespace vandrel::wing
