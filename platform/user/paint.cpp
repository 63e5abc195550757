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
};

}  // namespace

void ProvideWindowSurfaces() {
    static WindowSurfaces surfaces;
    gdi::SetWindowSurfaceProvider(&surfaces);
}

}  // namespace vandrel::user

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
