#include <gtest/gtest.h>

#include "platform/gdi/dib_access.h"
#include "tests/gdi/test_surface.h"
#include "tests/wing/wing_test_support.h"

namespace {

using namespace vandrel::testing;

TEST(WinGBitmapsTest, RecommendsTopDownEightBitRows) {
    BITMAPINFO info{};
    ASSERT_TRUE(WinGRecommendDIBFormat(&info));
    EXPECT_EQ(info.bmiHeader.biHeight, -1);
    EXPECT_EQ(info.bmiHeader.biBitCount, 8);
    EXPECT_EQ(info.bmiHeader.biPlanes, 1);
    EXPECT_EQ(info.bmiHeader.biCompression, BI_RGB);
    EXPECT_FALSE(WinGRecommendDIBFormat(nullptr));
}

TEST(WinGBitmapsTest, BitmapMemoryAndColourTableAreReachable) {
    const WinGSource source(5, 3, true);
    BITMAPINFO info{};
    auto* bits = static_cast<BYTE*>(WinGGetDIBPointer(source.bitmap(), &info));
    ASSERT_NE(bits, nullptr);
    EXPECT_EQ(info.bmiHeader.biWidth, 5);
    EXPECT_EQ(info.bmiHeader.biHeight, -3);
    EXPECT_EQ(info.bmiColors[9].rgbRed, TestColour(9).rgbRed);
    // Rows padded to 4 bytes, top row first.
    EXPECT_EQ(bits[8 + 2], TestIndex(2, 1));
    EXPECT_EQ(WinGGetDIBPointer(nullptr, nullptr), nullptr);

    const RGBQUAD white{255, 255, 255, 0};
    EXPECT_EQ(WinGSetDIBColorTable(source.dc(), 255, 4, &white), 1u);
    RGBQUAD read[2]{};
    EXPECT_EQ(WinGGetDIBColorTable(source.dc(), 254, 2, read), 2u);
    EXPECT_EQ(read[0].rgbBlue, TestColour(254).rgbBlue);
    EXPECT_EQ(read[1].rgbGreen, 255);
}

TEST(WinGBitmapsTest, HalftonePaletteSpansTheColourCube) {
    HPALETTE halftone = WinGCreateHalftonePalette();
    ASSERT_NE(halftone, nullptr);
    PALETTEENTRY entries[256];
    ASSERT_EQ(GetPaletteEntries(halftone, 0, 256, entries), 256u);
    EXPECT_EQ(GetNearestPaletteIndex(halftone, RGB(0, 0, 0)), 0u);
    const UINT red = GetNearestPaletteIndex(halftone, RGB(255, 0, 0));
    EXPECT_EQ(entries[red].peRed, 255);
    EXPECT_EQ(entries[red].peGreen, 0);
    const UINT grey = GetNearestPaletteIndex(halftone, RGB(130, 130, 130));
    EXPECT_NEAR(entries[grey].peRed, 130, 4);
    DeleteObject(halftone);
}

TEST(WinGBitmapsTest, HalftoneBrushPaintsTheNearestHalftoneColour) {
    TestSurface image(4, 4, vandrel::gdi::PixelFormat::Xrgb32, 0);
    TestWindows windows;
    HWND window = windows.Add(image);
    HDC dc = GetDC(window);
    HBRUSH brush = WinGCreateHalftoneBrush(dc, RGB(250, 10, 100), WING_DISPERSED_8x8);
    ASSERT_NE(brush, nullptr);
    const RECT all{0, 0, 4, 4};
    FillRect(dc, &all, brush);
    EXPECT_EQ(image.At(2, 2), 0xFF0066u);  // red 255, green 0, blue 102
    DeleteObject(brush);
    ReleaseDC(window, dc);
    EXPECT_EQ(WinGCreateHalftoneBrush(nullptr, 0, static_cast<WING_DITHER_TYPE>(9)), nullptr);
}

}  // namespace
