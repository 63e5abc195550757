// A WinG context holding a test bitmap whose pixels and colours are easy to
// predict, and what those colours look like on each display.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"
#include "wing/wing_api.h"

namespace vandrel::testing {

// Entry i of the test colour table; all 256 colours differ.
inline RGBQUAD TestColour(int i) {
    return {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i ^ 0x5A), 0};
}
inline std::uint32_t TestXrgb(int i) {
    const RGBQUAD c = TestColour(i);
    return (std::uint32_t{c.rgbRed} << 16) | (std::uint32_t{c.rgbGreen} << 8) | c.rgbBlue;
}
// The index at picture (x, y), counted from the top.
inline BYTE TestIndex(int x, int y) {
    return static_cast<BYTE>(x * 7 + y * 13);
}

// A WinG context with a width x height bitmap selected, in either row order.
class WinGSource {
public:
    WinGSource(int width, int height, bool topDown) : m_dc(WinGCreateDC()) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER),
                          width,
                          topDown ? -height : height,
                          1,
                          8,
                          BI_RGB,
                          0,
                          0,
                          0,
                          0,
                          0};
        for (int i = 0; i < 256; ++i) {
            info.bmiColors[i] = TestColour(i);
        }
        void* bits = nullptr;
        m_bitmap = WinGCreateBitmap(m_dc, &info, &bits);
        m_previous = SelectObject(m_dc, m_bitmap);
        const int stride = (width + 3) & ~3;
        auto* memory = static_cast<BYTE*>(bits);
        for (int y = 0; y < height; ++y) {
            BYTE* row = memory + (topDown ? y : height - 1 - y) * stride;
            for (int x = 0; x < width; ++x) {
                row[x] = TestIndex(x, y);
            }
        }
    }
    ~WinGSource() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    WinGSource(const WinGSource&) = delete;
    WinGSource& operator=(const WinGSource&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }

private:
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HBITMAP m_previous = nullptr;
};

}  // namespace vandrel::testing
