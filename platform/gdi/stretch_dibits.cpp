#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_access.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"

int StretchDIBits(HDC dc, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc, int cxSrc,
                  int cySrc, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    using namespace vandrel::gdi;
    vandrel::hooks::RecordGdiCall("StretchDIBits",
                                  {xDst, yDst, cxDst, cyDst, xSrc, ySrc, cxSrc, cySrc, usage, rop});
    DeviceContext* context = FindDc(dc);
    if (context == nullptr || bits == nullptr || info == nullptr || rop != SRCCOPY ||
        !IsSupportedDib(info->bmiHeader) || cxSrc == 0 || cySrc == 0 || cxDst == 0 || cyDst == 0) {
        return 0;
    }
    const std::optional<PixelBuffer> target = context->Target();
    PixelLookup lookup;
    if (!target || !BuildPixelLookup(dc, *target, *info, usage, lookup)) {
        return 0;
    }
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const bool topDown = header.biHeight < 0;
    const int height = topDown ? -header.biHeight : header.biHeight;
    const std::ptrdiff_t rowBytes = (header.biWidth + 3) & ~3;
    const auto* memory = static_cast<const BYTE*>(bits);
    const IndexedImage image{topDown ? memory : memory + (height - 1) * rowBytes, header.biWidth,
                             height, topDown ? rowBytes : -rowBytes};
    // Bottom-up sources count rows from the bottom; the copy counts from the
    // top, and the same span then still runs downwards on screen.
    const Span sourceY =
        topDown ? Span{ySrc, cySrc} : Span{std::int64_t{height} - ySrc - cySrc, cySrc};
    const RECT changed = StretchIndexed(image, {xSrc, cxSrc}, sourceY, *target, {xDst, cxDst},
                                        {yDst, cyDst}, lookup);
    context->Changed(changed);
    return static_cast<int>(std::min<std::int64_t>(std::llabs(cySrc), INT_MAX));
}
