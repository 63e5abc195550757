#include "platform/gdi/device_context.h"

#include <strings.h>

#include <cstring>
#include <unordered_map>

#include "platform/gdi/display.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"

namespace vandrel::gdi {
namespace {

std::unordered_map<const void*, std::unique_ptr<DeviceContext>>& Registry() {
    static std::unordered_map<const void*, std::unique_ptr<DeviceContext>> registry;
    return registry;
}

// The desktop has no window object; its handle only has to be distinct.
char g_desktopWindow;

WindowSurfaceProvider* g_provider = nullptr;

std::int64_t AsInt(const void* handle) {
    return reinterpret_cast<std::intptr_t>(handle);
}

bool IsDisplayName(LPCSTR driver) {
    return driver != nullptr && strcasecmp(driver, "DISPLAY") == 0;
}

template <class Slot>
GdiObject* Swap(Slot*& slot, GdiObject* object) {
    Slot* previous = slot;
    slot = static_cast<Slot*>(object);
    ++object->selections;
    if (previous != nullptr) {
        --previous->selections;
    }
    return previous;
}

}  // namespace

DeviceContext::DeviceContext(DcKind dcKind) : kind(dcKind) {
    Select(&DefaultPalette());
    Select(&StockWhiteBrush());
    Select(&StockBlackPen());
    if (kind == DcKind::Memory) {
        Select(&StockBitmap());
    }
}

DeviceContext::~DeviceContext() {
    for (GdiObject* object : {static_cast<GdiObject*>(bitmap), static_cast<GdiObject*>(brush),
                              static_cast<GdiObject*>(pen), static_cast<GdiObject*>(palette)}) {
        if (object != nullptr) {
            --object->selections;
        }
    }
}

GdiObject* DeviceContext::Select(GdiObject* object) {
    switch (object->kind) {
        case ObjectKind::Palette:
            return Swap(palette, object);
        case ObjectKind::Brush:
            return Swap(brush, object);
        case ObjectKind::Pen:
            return Swap(pen, object);
        case ObjectKind::Bitmap:
            return Swap(bitmap, object);
    }
    return nullptr;
}

std::optional<PixelBuffer> DeviceContext::Target() const {
    if (surface != nullptr) {
        PixelBuffer pixels = surface->Pixels();
        if (!pixels.IsEmpty()) {
            return pixels;
        }
    } else if (bitmap != nullptr) {
        return bitmap->Pixels();
    }
    return std::nullopt;
}

void DeviceContext::Changed(const RECT& area) const {
    if (surface != nullptr && area.right > area.left && area.bottom > area.top) {
        surface->PixelsChanged(area);
    }
}

DeviceContext* FindDc(HDC dc) {
    auto found = Registry().find(dc);
    return found != Registry().end() ? found->second.get() : nullptr;
}

HDC CreateDc(DcKind kind, PixelSurface* surface) {
    auto context = std::make_unique<DeviceContext>(kind);
    context->surface = surface;
    HDC handle = reinterpret_cast<HDC>(context.get());
    Registry().emplace(handle, std::move(context));
    return handle;
}

void DestroyDc(HDC dc) {
    Registry().erase(dc);
}

void SetWindowSurfaceProvider(WindowSurfaceProvider* provider) {
    g_provider = provider;
}

void SettleWindowDrawings() {
    if (g_provider != nullptr) {
        g_provider->SettleDrawings();
    }
}

HDC CreateSurfaceDC(PixelSurface& surface) {
    return CreateDc(DcKind::Surface, &surface);
}

BOOL ReleaseSurfaceDC(HDC dc) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr || context->kind != DcKind::Surface) {
        return FALSE;
    }
    DestroyDc(dc);
    return TRUE;
}

void ForgetSurface(const PixelSurface& surface) {
    for (auto& [handle, context] : Registry()) {
        if (context->surface == &surface) {
            context->surface = nullptr;
        }
    }
}

PixelFormat DisplayPixelFormat() {
    return Display::Get().IsPalette() ? PixelFormat::SystemIndex8 : PixelFormat::Xrgb32;
}

void SetScreenResolution(int width, int height) {
    Display::Get().SetResolution(width, height);
}

}  // namespace vandrel::gdi

using vandrel::gdi::AsInt;
using vandrel::gdi::DcKind;

HWND GetDesktopWindow() {
    return reinterpret_cast<HWND>(&vandrel::gdi::g_desktopWindow);
}

HDC GetDC(HWND window) {
    using namespace vandrel::gdi;
    HDC dc = nullptr;
    if (window == nullptr || window == GetDesktopWindow()) {
        dc = CreateDc(DcKind::Screen);
    } else if (g_provider != nullptr) {
        if (PixelSurface* surface = g_provider->ClientSurface(window)) {
            dc = CreateDc(DcKind::Window, surface);
        }
    }
    if (DeviceContext* context = FindDc(dc)) {
        context->borrowed = true;
        context->window = window;
    }
    vandrel::hooks::RecordGdiCall("GetDC", {AsInt(window), AsInt(dc)});
    return dc;
}

int ReleaseDC(HWND window, HDC dc) {
    using namespace vandrel::gdi;
    vandrel::hooks::RecordGdiCall("ReleaseDC", {AsInt(window), AsInt(dc)});
    DeviceContext* context = FindDc(dc);
    if (context == nullptr || !context->borrowed || context->window != window) {
        return 0;
    }
    DestroyDc(dc);
    return 1;
}

HDC CreateDCA(LPCSTR driver, LPCSTR, LPCSTR, const void*) {
    using namespace vandrel::gdi;
    HDC dc = IsDisplayName(driver) ? CreateDc(DcKind::Screen) : nullptr;
    vandrel::hooks::RecordGdiCall("CreateDCA", {AsInt(dc)});
    return dc;
}

HDC CreateICA(LPCSTR driver, LPCSTR, LPCSTR, const void*) {
    using namespace vandrel::gdi;
    HDC dc = IsDisplayName(driver) ? CreateDc(DcKind::Information) : nullptr;
    vandrel::hooks::RecordGdiCall("CreateICA", {AsInt(dc)});
    return dc;
}

HDC CreateCompatibleDC(HDC dc) {
    using namespace vandrel::gdi;
    // Every context here is compatible with the display, so the reference
    // context only has to be valid when one is given.
    HDC memory = dc == nullptr || FindDc(dc) != nullptr ? CreateDc(DcKind::Memory) : nullptr;
    vandrel::hooks::RecordGdiCall("CreateCompatibleDC", {AsInt(dc), AsInt(memory)});
    return memory;
}

BOOL DeleteDC(HDC dc) {
    using namespace vandrel::gdi;
    vandrel::hooks::RecordGdiCall("DeleteDC", {AsInt(dc)});
    DeviceContext* context = FindDc(dc);
    // Contexts from GetDC belong to their window and go back with ReleaseDC.
    if (context == nullptr || context->borrowed || context->kind == DcKind::Surface) {
        return FALSE;
    }
    DestroyDc(dc);
    return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
    using namespace vandrel::gdi;
    if (FindDc(dc) == nullptr) {
        return 0;
    }
    const Display& display = Display::Get();
    switch (index) {
        case HORZRES:
            return display.Width();
        case VERTRES:
            return display.Height();
        case BITSPIXEL:
            return display.IsPalette() ? 8 : 32;
        case PLANES:
            return 1;
        case RASTERCAPS:
            return RC_BITBLT | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB |
                   (display.IsPalette() ? RC_PALETTE : 0);
        case SIZEPALETTE:
            return display.SizePalette();
        case NUMRESERVED:
            return display.NumReserved();
        default:
            return 0;
    }
}
