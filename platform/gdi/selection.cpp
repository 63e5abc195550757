// Selecting brushes, pens and bitmaps into device contexts.
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi.h"

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    using namespace vandrel::gdi;
    DeviceContext* context = FindDc(dc);
    GdiObject* selected = FindObject(object);
    if (context == nullptr || selected == nullptr || selected->kind == ObjectKind::Palette) {
        return nullptr;
    }
    if (selected->kind == ObjectKind::Bitmap) {
        // A bitmap gives its pixels to one memory context at a time.
        const bool alreadyHere = selected == context->bitmap;
        if (context->kind != DcKind::Memory ||
            (!alreadyHere && !selected->stock && selected->selections > 0)) {
            return nullptr;
        }
    }
    return HandleOf<HGDIOBJ>(context->Select(selected));
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SelectObject(dc, reinterpret_cast<HGDIOBJ>(bitmap)));
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    return reinterpret_cast<HBRUSH>(SelectObject(dc, reinterpret_cast<HGDIOBJ>(brush)));
}

HPEN SelectObject(HDC dc, HPEN pen) {
    return reinterpret_cast<HPEN>(SelectObject(dc, reinterpret_cast<HGDIOBJ>(pen)));
}
