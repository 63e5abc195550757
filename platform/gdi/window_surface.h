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

#include "platform/base/geometry.h"
#include "platform/gdi/pixel_buffer.h"

namespace vandrel::gdi {

class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    // The image as it is now, in DisplayPixelFormat(). Drawing calls ask for
    // it afresh every time, so the owner may reallocate it between calls.
    virtual PixelBuffer Pixels() = 0;
    // Drawing changed the pixels inside `area`, already clipped to the image.
    virtual void PixelsChanged(const RECT& area) = 0;
};

// Finds the backing image of a window's client area for GetDC.
class WindowSurfaceProvider {
public:
    virtual ~WindowSurfaceProvider() = default;
    // Null when the window is unknown or has no image; GetDC then fails.
    virtual PixelSurface* ClientSurface(HWND window) = 0;
};

// The provider that GetDC(window) asks; null to unregister. Not owned.
void SetWindowSurfaceProvider(WindowSurfaceProvider* provider);

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
