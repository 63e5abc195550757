// A window image in memory and a window system that hands it out, for tests
// that draw through device contexts.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/gdi/window_surface.h"

namespace vandrel::testing {

class TestSurface : public gdi::PixelSurface {
public:
    TestSurface(int width, int height, gdi::PixelFormat format, std::uint32_t background)
        : m_width(width),
          m_height(height),
          m_format(format),
          m_pixels(static_cast<std::size_t>(width * height)) {
        Fill(background);
    }

    gdi::PixelBuffer Pixels() override {
        const int bytes = m_format == gdi::PixelFormat::Xrgb32 ? 4 : 1;
        return {reinterpret_cast<BYTE*>(m_pixels.data()),     m_width,  m_height,
                static_cast<std::ptrdiff_t>(m_width) * bytes, m_format, nullptr};
    }
    void PixelsChanged(const RECT& area) override {
        if (m_changed.right <= m_changed.left) {
            m_changed = area;
            return;
        }
        m_changed.left = std::min(m_changed.left, area.left);
        m_changed.top = std::min(m_changed.top, area.top);
        m_changed.right = std::max(m_changed.right, area.right);
        m_changed.bottom = std::max(m_changed.bottom, area.bottom);
    }

    void Fill(std::uint32_t value) {
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                Set(x, y, value);
            }
        }
    }
    std::uint32_t At(int x, int y) {
        const gdi::PixelBuffer pixels = Pixels();
        return m_format == gdi::PixelFormat::Xrgb32
                   ? reinterpret_cast<const std::uint32_t*>(pixels.Row(y))[x]
                   : pixels.Row(y)[x];
    }
    void Set(int x, int y, std::uint32_t value) {
        const gdi::PixelBuffer pixels = Pixels();
        if (m_format == gdi::PixelFormat::Xrgb32) {
            reinterpret_cast<std::uint32_t*>(pixels.Row(y))[x] = value;
        } else {
            pixels.Row(y)[x] = static_cast<BYTE>(value);
        }
    }
    // The union of every area reported changed so far.
    RECT Changed() const { return m_changed; }

private:
    int m_width;
    int m_height;
    gdi::PixelFormat m_format;
    // 32 bits per pixel even for 8-bit formats, so both fit one allocation.
    std::vector<std::uint32_t> m_pixels;
    RECT m_changed{0, 0, 0, 0};
};

// Registers itself for its lifetime.
class TestWindows : public gdi::WindowSurfaceProvider {
public:
    TestWindows() { gdi::SetWindowSurfaceProvider(this); }
    ~TestWindows() override { gdi::SetWindowSurfaceProvider(nullptr); }
    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;

    // A made-up handle for a window showing `surface`.
    HWND Add(TestSurface& surface) {
        HWND window =
            reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1000 + m_windows.size()));
        m_windows[window] = &surface;
        return window;
    }
    gdi::PixelSurface* ClientSurface(HWND window) override {
        auto found = m_windows.find(window);
        return found != m_windows.end() ? found->second : nullptr;
    }

private:
    std::map<HWND, TestSurface*> m_windows;
};

}  // namespace vandrel::testing
