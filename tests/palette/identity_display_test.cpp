// The identity palette at work on the emulated palette display: realised in
// a window's context, it gives every pixel value its own system slot, and a
// picture drawn through it shows its own colours between the static ones.
#include <cstring>

#include "platform/afx/dc.h"
#include "platform/gdi/window_surface.h"
#include "tests/gdi/test_surface.h"
#include "tests/palette/pal_id_fixture.h"

namespace {

using vandrel::testing::TestSurface;
using vandrel::testing::TestWindows;
namespace hooks = vandrel::hooks;
namespace gdi = vandrel::gdi;

class IdentityDisplayTest : public vandrel::testing::PalIdTest {
protected:
    void SetUp() override { hooks::SetPaletteDisplay(256, 20); }
};

// A picture colour that no static colour has, distinct for every entry.
RGBQUAD PictureColor(int i) {
    return {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), 77, 0};
}

TEST_F(IdentityDisplayTest, PixelsMapOneToOneOntoSystemSlots) {
    RGBQUAD table[256];
    for (int i = 0; i < 256; ++i) {
        table[i] = PictureColor(i);
    }
    CPalId palette;
    palette.CreateFromRGBQuad(table, TRUE);

    TestWindows windows;
    TestSurface surface{16, 16, gdi::DisplayPixelFormat(), 0};
    CWnd* pWnd = CWnd::FromHandle(windows.Add(surface));
    CClientDC dc(pWnd);
    CPalette* pPrevious = dc.SelectPalette(&palette, FALSE);
    EXPECT_EQ(dc.RealizePalette(), 256u);

    const std::vector<PALETTEENTRY> system = SystemPalette();
    const std::vector<PALETTEENTRY> entries = Entries(palette);
    for (int slot = 10; slot < 246; ++slot) {
        ASSERT_TRUE(SameColor(system[static_cast<std::size_t>(slot)],
                              entries[static_cast<std::size_t>(slot)]))
            << slot;
    }

    // A 16 x 16 picture whose pixel at (x, y) is y * 16 + x, drawn with
    // palette colours: index i of the table is logical entry i.
    BITMAPINFO info{};
    info.bmiHeader = {40, 16, -16, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    WORD indices[256];
    BYTE bits[256];
    for (int i = 0; i < 256; ++i) {
        indices[i] = static_cast<WORD>(i);
        bits[i] = static_cast<BYTE>(i);
    }
    std::memcpy(info.bmiColors, indices, sizeof indices);
    EXPECT_EQ(StretchDIBits(dc.GetSafeHdc(), 0, 0, 16, 16, 0, 0, 16, 16, bits, &info,
                            DIB_PAL_COLORS, SRCCOPY),
              16);

    std::vector<std::uint32_t> shown(256);
    const gdi::PixelBuffer xrgb{
        reinterpret_cast<BYTE*>(shown.data()), 16, 16, 64, gdi::PixelFormat::Xrgb32, nullptr};
    gdi::ConvertToXrgb(surface.Pixels(), {0, 0, 16, 16}, xrgb);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(surface.At(i % 16, i / 16), static_cast<std::uint32_t>(i));
        const PALETTEENTRY expected =
            i >= 10 && i < 246 ? PALETTEENTRY{PictureColor(i).rgbRed, PictureColor(i).rgbGreen,
                                              PictureColor(i).rgbBlue, 0}
                               : system[static_cast<std::size_t>(i)];
        ASSERT_EQ(shown[static_cast<std::size_t>(i)], (std::uint32_t{expected.peRed} << 16) |
                                                          (std::uint32_t{expected.peGreen} << 8) |
                                                          expected.peBlue)
            << i;
    }
    EXPECT_EQ(shown[0], 0x000000u);    // black
    EXPECT_EQ(shown[8], 0xC0DCC0u);    // money green
    EXPECT_EQ(shown[246], 0xFFFBF0u);  // cream
    EXPECT_EQ(shown[255], 0xFFFFFFu);  // white
    dc.SelectPalette(pPrevious, FALSE);
}

}  // namespace
