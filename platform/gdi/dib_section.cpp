// 8-bit bitmaps whose pixel memory the caller writes, and access to them.
#include <algorithm>
#include <new>

#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_access.h"
#include "platform/gdi/gdi.h"

namespace {

using vandrel::gdi::BitmapObject;

BitmapObject* SelectedBitmapObject(HDC dc) {
    vandrel::gdi::DeviceContext* context = vandrel::gdi::FindDc(dc);
    return context != nullptr ? context->bitmap : nullptr;
}

}  // namespace

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    using namespace vandrel::gdi;
    if (bits != nullptr) {
        *bits = nullptr;
    }
    if ((dc != nullptr && FindDc(dc) == nullptr) || info == nullptr || usage != DIB_RGB_COLORS ||
        section != nullptr || offset != 0 || !IsSupportedDib(info->bmiHeader)) {
        return nullptr;
    }
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->header = info->bmiHeader;
    bitmap->header.biSize = sizeof(BITMAPINFOHEADER);
    bitmap->rowBytes = (info->bmiHeader.biWidth + 3) & ~3;
    const std::size_t bytes =
        static_cast<std::size_t>(bitmap->rowBytes) * static_cast<std::size_t>(bitmap->Height());
    bitmap->header.biSizeImage = static_cast<DWORD>(bytes);
    bitmap->bits.reset(new (std::nothrow) BYTE[bytes]());
    if (!bitmap->bits) {
        return nullptr;
    }
    // Colours past a short table's end stay black, never undefined.
    const DWORD used = info->bmiHeader.biClrUsed;
    const std::size_t colors = used == 0 ? 256 : std::min<std::size_t>(used, 256);
    std::copy_n(info->bmiColors, colors, bitmap->colors.begin());
    if (bits != nullptr) {
        *bits = bitmap->bits.get();
    }
    return HandleOf<HBITMAP>(RegisterObject(std::move(bitmap)));
}

UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors) {
    BitmapObject* bitmap = SelectedBitmapObject(dc);
    if (bitmap == nullptr || colors == nullptr || start >= 256) {
        return 0;
    }
    const UINT copied = std::min(count, 256 - start);
    std::copy_n(colors, copied, bitmap->colors.begin() + start);
    return copied;
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors) {
    const BitmapObject* bitmap = SelectedBitmapObject(dc);
    if (bitmap == nullptr || colors == nullptr || start >= 256) {
        return 0;
    }
    const UINT copied = std::min(count, 256 - start);
    std::copy_n(bitmap->colors.begin() + start, copied, colors);
    return copied;
}

namespace vandrel::gdi {

HBITMAP SelectedBitmap(HDC dc) {
    return HandleOf<HBITMAP>(SelectedBitmapObject(dc));
}

std::optional<DibDescription> DescribeBitmap(HBITMAP bitmap) {
    BitmapObject* object = FindObjectOf<BitmapObject>(bitmap, ObjectKind::Bitmap);
    if (object == nullptr) {
        return std::nullopt;
    }
    return DibDescription{object->bits.get(), &object->header, object->colors.data(),
                          object->Pixels()};
}

PixelSurface* SurfaceOf(HDC dc) {
    DeviceContext* context = FindDc(dc);
    return context != nullptr ? context->surface : nullptr;
}

}  // namespace vandrel::gdi
