// Direct access to device contexts and bitmaps for the WinG-compatible
// component, which builds its bitmaps on CreateDIBSection and does its own
// fast copies into window images.
#pragma once

#include <optional>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_buffer.h"

namespace vandrel::gdi {

class PixelSurface;

struct DibDescription {
    BYTE* bits = nullptr;                      // as returned by CreateDIBSection
    const BITMAPINFOHEADER* header = nullptr;  // as created, height sign included
    RGBQUAD* colors = nullptr;                 // the bitmap's 256-entry colour table
    PixelBuffer pixels;                        // TableIndex8, rows from the top
};

// The bitmap selected into a memory context, or null.
HBITMAP SelectedBitmap(HDC dc);
std::optional<DibDescription> DescribeBitmap(HBITMAP bitmap);
// The window image a context draws into, or null for other contexts.
PixelSurface* SurfaceOf(HDC dc);

// Fills `lookup` with the destination pixel value, in `target`'s format,
// for each entry of a DIB colour table read as `usage` says (DIB_PAL_COLORS
// tables index the palette selected into `dc`). FALSE for an unknown context
// or usage.
BOOL BuildPixelLookup(HDC dc, const PixelBuffer& target, const BITMAPINFO& info, UINT usage,
                      PixelLookup& lookup);

// One axis of a copy: cells start .. start + extent - 1, or for a negative
// extent start + extent .. start - 1 taken in reverse order.
struct Span {
    std::int64_t start;
    std::int64_t extent;
};

struct IndexedImage {
    const BYTE* topRow;
    int width;
    int height;
    std::ptrdiff_t stride;  // negative for bottom-up memory
};

// Nearest-neighbour copy of `source` cells (rows counted from the top) into
// `target`, through `lookup`; cells outside either image are skipped.
// Returns the changed area of `target`, empty when nothing was written.
RECT StretchIndexed(const IndexedImage& source, Span sourceX, Span sourceY,
                    const PixelBuffer& target, Span targetX, Span targetY,
                    const PixelLookup& lookup);

}  // namespace vandrel::gdi
