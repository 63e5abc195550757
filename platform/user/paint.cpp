// Paint contexts and the graphics layer's way to the windows' images.
#include "platform/gdi/window_surface.h"
#include "platform/user/message_api.h"
#include "platform/user/paint_internal.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

class WindowSurfaces final : public gdi::WindowSurfaceProvider {
public:
    gdi::PixelSurface* ClientSurface(HWND window) override {
        WindowRecord* record = FindWindowRecord(window);
        return record != nullptr ? record->backing.get() : nullptr;
    }
    void SettleDrawings() override { SettleAllDrawings(); }
};

}  // namespace

void ProvideWindowSurfaces() {
    static WindowSurfaces surfaces;
    gdi::SetWindowSurfaceProvider(&surfaces);
}

}  // namespace vandrel::user

using vandrel::user::FindWindowRecord;
using vandrel::user::WindowRecord;

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    *paint = PAINTSTRUCT{nullptr, FALSE, RECT{0, 0, 0, 0}};
    vandrel::user::WindowRecord* record = vandrel::user::FindWindowRecord(window);
    if (record == nullptr || record->backing == nullptr) {
        return nullptr;
    }
    paint->rcPaint = record->invalid;
    const bool erase = record->erasePending;
    ValidateRect(window, nullptr);
    paint->hdc = vandrel::gdi::CreateSurfaceDC(*record->backing);
    if (erase) {
        const LRESULT erased =
            SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
        paint->fErase = erased == 0 ? TRUE : FALSE;
    }
    return paint->hdc;
}

BOOL EndPaint(HWND /*window*/, const PAINTSTRUCT* paint) {
    if (paint->hdc == nullptr) {
        return FALSE;
    }
    return vandrel::gdi::ReleaseSurfaceDC(paint->hdc);
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    if (!vandrel::user::Paints(*record)) {
        return TRUE;  // native controls paint themselves
    }
    const CRect client = vandrel::user::ClientRectOf(*record);
    CRect area = client;
    if (rect != nullptr && !area.IntersectRect(client, *rect)) {
        return TRUE;
    }
    CRect& invalid = record->invalid;
    if (invalid.IsRectEmpty()) {
        invalid = area;
    } else {
        invalid = CRect(std::min(invalid.left, area.left), std::min(invalid.top, area.top),
                        std::max(invalid.right, area.right), std::max(invalid.bottom, area.bottom));
    }
    record->erasePending = record->erasePending || erase != FALSE;
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    // The invalid area is kept as one rectangle, so only a rectangle covering
    // all of it can make it valid.
    const CRect& invalid = record->invalid;
    if (rect == nullptr || (rect->left <= invalid.left && rect->top <= invalid.top &&
                            rect->right >= invalid.right && rect->bottom >= invalid.bottom)) {
        record->invalid.SetRectEmpty();
        record->erasePending = false;
    }
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    if (!record->invalid.IsRectEmpty() && IsWindowVisible(window)) {
        SendMessageA(window, WM_PAINT, 0, 0);
    }
    return TRUE;
}
