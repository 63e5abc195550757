// WinG device contexts and bitmaps: memory contexts of the platform's GDI
// and 8-bit DIB sections whose memory the caller writes directly.
#include <algorithm>
#include <cstring>

#include "platform/gdi/dib_access.h"
#include "platform/gdi/gdi.h"
#include "wing/wing_api.h"

HDC WinGCreateDC() {
    return CreateCompatibleDC(nullptr);
}

BOOL WinGRecommendDIBFormat(BITMAPINFO* info) {
    if (info == nullptr) {
        return FALSE;
    }
    // Top-down rows are what our blits read fastest: memory order is screen
    // order, so a row never has to be located from the bottom.
    info->bmiHeader = BITMAPINFOHEADER{};
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = 1;
    info->bmiHeader.biHeight = -1;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 8;
    info->bmiHeader.biCompression = BI_RGB;
    return TRUE;
}

HBITMAP WinGCreateBitmap(HDC dc, const BITMAPINFO* info, void** bits) {
    return CreateDIBSection(dc, info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void* WinGGetDIBPointer(HBITMAP bitmap, BITMAPINFO* info) {
    const auto description = vandrel::gdi::DescribeBitmap(bitmap);
    if (!description) {
        return nullptr;
    }
    if (info != nullptr) {
        info->bmiHeader = *description->header;
        std::copy_n(description->colors, 256, info->bmiColors);
    }
    return description->bits;
}

// The colour table of the bitmap selected into a WinG context.
UINT WinGGetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors) {
    return GetDIBColorTable(dc, start, count, colors);
}

UINT WinGSetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors) {
    return SetDIBColorTable(dc, start, count, colors);
}
