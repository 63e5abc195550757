// What the window system gives the graphics layer, and what it gets back.
//
// Every window that paints owns a backing image and exposes it as a
// PixelSurface. Device contexts for the window draw straight into that image
// and report what they changed; the window system flushes the changed area
// to the screen. On the emulated palette display the images hold system
// palette slots, which the window system turns into colours with
// ConvertToXrgb when it shows them, so static colours look exactly as on a
// 256-colour screen.
#pragma once

#include <memory>

#include "platform/base/geometry.h"
#include "platform/gdi/pixel_buffer.h"

namespace vandrel::gdi {

// A drawing that owns everything it needs, so that it can be carried out
// later and more than once: a window may put it straight into the screen's
// image when it shows it, and into its own image only when that is needed.
class SurfaceDrawing {
public:
    // What the byte above each colour's red holds: nothing in window images,
    // full alpha in a screen's image that has an alpha channel.
    enum class TopByte { kZero, kOpaque };

    virtual ~SurfaceDrawing() = default;
    // The area of the surface it covers.
    virtual RECT Area() const = 0;
    // Draws it into `target` (Xrgb32) with the area's top-left corner at
    // (x, y); the whole area must lie inside `target`.
    virtual void DrawAt(const PixelBuffer& target, int x, int y, TopByte top) const = 0;
};

// A surface's size and format, without its pixels.
struct SurfaceLayout {
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Xrgb32;
};

class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    // The image as it is now, in DisplayPixelFormat(). Drawing calls ask for
    // it afresh every time, so the owner may reallocate it between calls.
    virtual PixelBuffer Pixels() = 0;
    // What Pixels() would describe, without making the surface bring every
    // drawing it holds back into its image first.
    virtual SurfaceLayout Layout() {
        const PixelBuffer pixels = Pixels();
        return {pixels.width, pixels.height, pixels.format};
    }
    // Drawing changed the pixels inside `area`, already clipped to the image.
    virtual void PixelsChanged(const RECT& area) = 0;
    // Puts a drawing on the screen before returning, as PixelsChanged does;
    // only on an Xrgb32 surface, and with the drawing's area inside it.
    // Unless the surface knows better, the drawing lands in its image first.
    virtual void Present(std::unique_ptr<SurfaceDrawing> drawing) {
        const RECT area = drawing->Area();
        drawing->DrawAt(Pixels(), area.left, area.top, SurfaceDrawing::TopByte::kZero);
        PixelsChanged(area);
    }
};

// Finds the backing image of a window's client area for GetDC.
class WindowSurfaceProvider {
public:
    virtual ~WindowSurfaceProvider() = default;
    // Null when the window is unknown or has no image; GetDC then fails.
    virtual PixelSurface* ClientSurface(HWND window) = 0;
    // Brings every drawing the windows still hold into their images; nothing
    // to do for surfaces that draw at once.
    virtual void SettleDrawings() {}
};

// The provider that GetDC(window) asks; null to unregister. Not owned.
void SetWindowSurfaceProvider(WindowSurfaceProvider* provider);
// A held drawing may be code of a loaded library, the WinG component's;
// before such a library goes, every window settles what it holds.
void SettleWindowDrawings();

// A device context drawing into `surface`, for contexts the window system
// hands out itself (paint contexts). Release it with ReleaseSurfaceDC.
HDC CreateSurfaceDC(PixelSurface& surface);
BOOL ReleaseSurfaceDC(HDC dc);
// Cuts every context still drawing into `surface` loose from it, before the
// surface goes away; such contexts then draw nothing.
void ForgetSurface(const PixelSurface& surface);

// The format window images must have on the current display.
PixelFormat DisplayPixelFormat();
// Screen size reported by GetDeviceCaps(HORZRES / VERTRES).
void SetScreenResolution(int width, int height);

// Writes the colours of the system palette slots in `area` of `slots`
// (SystemIndex8) into the same area of `xrgb` (Xrgb32, same size). The area
// is clipped to both images.
void ConvertToXrgb(const PixelBuffer& slots, const RECT& area, const PixelBuffer& xrgb);

}  // namespace vandrel::gdi
