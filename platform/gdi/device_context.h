// The state behind a device context handle: what it draws into and which
// objects are selected into it.
#pragma once

#include <optional>

#include "platform/gdi/objects.h"
#include "platform/gdi/window_surface.h"

namespace vandrel::gdi {

enum class DcKind {
    Screen,       // GetDC(NULL), the desktop's client context, CreateDCA("DISPLAY")
    Information,  // CreateICA("DISPLAY"): capabilities only
    Memory,       // CreateCompatibleDC: draws into its selected bitmap
    Window,       // GetDC(window): draws into the window's image
    Surface,      // CreateSurfaceDC: draws into an image of the window system
};

struct DeviceContext {
    explicit DeviceContext(DcKind dcKind);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // Swaps the selected object of its kind and keeps selection counts.
    GdiObject* Select(GdiObject* object);
    // The pixels drawing calls write, if the context has any.
    std::optional<PixelBuffer> Target() const;
    // Tells the window system what changed; no-op for bitmaps.
    void Changed(const RECT& area) const;

    DcKind kind;
    bool borrowed = false;  // from GetDC: goes back with ReleaseDC, never DeleteDC
    HWND window = nullptr;  // the window GetDC was asked for
    PixelSurface* surface = nullptr;
    BitmapObject* bitmap = nullptr;
    BrushObject* brush = nullptr;
    PenObject* pen = nullptr;
    PaletteObject* palette = nullptr;
    bool paletteInBackground = false;
};

DeviceContext* FindDc(HDC dc);
HDC CreateDc(DcKind kind, PixelSurface* surface = nullptr);
void DestroyDc(HDC dc);
}  // namespace vandrel::gdi
