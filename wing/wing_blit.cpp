// WinG copies: straight from the 8-bit bitmap selected into a WinG context
// into the destination window's image, through one 256-entry lookup per
// call. The x2 enlargement the program presents every frame goes to the
// window as a drawing it can put straight on the screen; every other size
// goes through the nearest-neighbour scaler.
// Destinations that are not window images take the GDI layer's general path.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/gdi/color.h"
#include "platform/gdi/dib_access.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"
#include "platform/gdi/window_surface.h"
#include "wing/doubled_copy.h"
#include "wing/wing_api.h"

namespace {

using namespace vandrel::gdi;

struct Rect {
    std::int64_t x, y, cx, cy;
};

bool Inside(const Rect& r, int width, int height) {
    return r.cx > 0 && r.cy > 0 && r.x >= 0 && r.y >= 0 && r.x + r.cx <= width &&
           r.y + r.cy <= height;
}

// Each value takes the colour of the bitmap's table, written out here rather
// than asked of the GDI layer entry by entry, since the lookup is rebuilt for
// every frame.
void BuildColourLookup(const DibDescription& source, PixelLookup& lookup) {
    for (std::size_t i = 0; i < 256; ++i) {
        lookup[i] = Xrgb(RgbOf(source.colors[i]));
    }
}

// On the palette display a WinG bitmap carries an identity palette, so its
// pixel values are system palette slots already and pass unchanged.
bool BuildLookup(HDC dst, const PixelBuffer& target, const DibDescription& source,
                 PixelLookup& lookup) {
    switch (target.format) {
        case PixelFormat::SystemIndex8:
            for (std::uint32_t i = 0; i < 256; ++i) {
                lookup[i] = i;
            }
            return true;
        case PixelFormat::Xrgb32:
            BuildColourLookup(source, lookup);
            return true;
        case PixelFormat::TableIndex8:
            break;
    }
    BITMAPINFO info;
    info.bmiHeader = *source.header;
    std::copy_n(source.colors, 256, info.bmiColors);
    return BuildPixelLookup(dst, target, info, DIB_RGB_COLORS, lookup) != FALSE;
}

BOOL BlitToWindow(HDC dst, PixelSurface& window, const DibDescription& source, const Rect& from,
                  const Rect& to) {
    const PixelBuffer& pixels = source.pixels;
    // The exact x2 copy asks only for the window image's shape: asking for
    // its pixels would first bring the previous frame into it, for nothing.
    const SurfaceLayout layout = window.Layout();
    if (layout.format == PixelFormat::Xrgb32 && to.cx == 2 * from.cx && to.cy == 2 * from.cy &&
        Inside(from, pixels.width, pixels.height) && Inside(to, layout.width, layout.height)) {
        PixelLookup lookup;
        BuildColourLookup(source, lookup);
        window.Present(std::make_unique<vandrel::wing::DoubledCopy>(
            pixels, static_cast<int>(from.x), static_cast<int>(from.y), static_cast<int>(from.cx),
            static_cast<int>(from.cy), lookup,
            POINT{static_cast<LONG>(to.x), static_cast<LONG>(to.y)}));
        return TRUE;
    }
    const PixelBuffer target = window.Pixels();
    PixelLookup lookup;
    if (target.IsEmpty() || !BuildLookup(dst, target, source, lookup)) {
        return FALSE;
    }
    const IndexedImage image{pixels.topRow, pixels.width, pixels.height, pixels.stride};
    const RECT changed = StretchIndexed(image, {from.x, from.cx}, {from.y, from.cy}, target,
                                        {to.x, to.cx}, {to.y, to.cy}, lookup);
    if (changed.right > changed.left && changed.bottom > changed.top) {
        window.PixelsChanged(changed);
    }
    return TRUE;
}

// Any other destination: the bitmap as a DIB, through StretchDIBits, whose
// source rows count from the bottom of a bottom-up picture.
BOOL BlitThroughGdi(HDC dst, const DibDescription& source, const Rect& from, const Rect& to) {
    BITMAPINFO info;
    info.bmiHeader = *source.header;
    std::copy_n(source.colors, 256, info.bmiColors);
    const std::int64_t height = source.pixels.height;
    const std::int64_t ySource = source.header->biHeight < 0 ? from.y : height - from.y - from.cy;
    return StretchDIBits(dst, static_cast<int>(to.x), static_cast<int>(to.y),
                         static_cast<int>(to.cx), static_cast<int>(to.cy), static_cast<int>(from.x),
                         static_cast<int>(ySource), static_cast<int>(from.cx),
                         static_cast<int>(from.cy), source.bits, &info, DIB_RGB_COLORS,
                         SRCCOPY) != 0;
}

BOOL Blit(HDC dst, const Rect& to, HDC src, const Rect& from) {
    const auto source = DescribeBitmap(SelectedBitmap(src));
    if (!source || to.cx == 0 || to.cy == 0 || from.cx == 0 || from.cy == 0) {
        return FALSE;
    }
    if (PixelSurface* window = SurfaceOf(dst)) {
        return BlitToWindow(dst, *window, *source, from, to);
    }
    return BlitThroughGdi(dst, *source, from, to);
}

}  // namespace

#ifndef VANDREL_WING_OMIT_WinGStretchBlt
BOOL WinGStretchBlt(HDC dst, int xDst, int yDst, int cxDst, int cyDst, HDC src, int xSrc, int ySrc,
                    int cxSrc, int cySrc) {
    vandrel::hooks::RecordGdiCall("WinGStretchBlt",
                                  {xDst, yDst, cxDst, cyDst, xSrc, ySrc, cxSrc, cySrc});
    return Blit(dst, {xDst, yDst, cxDst, cyDst}, src, {xSrc, ySrc, cxSrc, cySrc});
}
#endif

BOOL WinGBitBlt(HDC dst, int xDst, int yDst, int cx, int cy, HDC src, int xSrc, int ySrc) {
    vandrel::hooks::RecordGdiCall("WinGBitBlt", {xDst, yDst, cx, cy, xSrc, ySrc});
    return Blit(dst, {xDst, yDst, cx, cy}, src, {xSrc, ySrc, cx, cy});
}
