#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/dib_access.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"
#include "tests/gdi/test_surface.h"

namespace {

using vandrel::testing::TestSurface;
using vandrel::testing::TestWindows;

// An 8 x 4 top-down bitmap whose table has black, white, light grey and red.
HBITMAP MakeBitmap(void** bits) {
    BITMAPINFO info{};
    info.bmiHeader = {40, 8, -4, 1, 8, BI_RGB, 0, 0, 0, 4, 0};
    info.bmiColors[1] = {255, 255, 255, 0};
    info.bmiColors[2] = {192, 192, 192, 0};
    info.bmiColors[3] = {0, 0, 255, 0};
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

std::vector<std::string> Rows(const BYTE* bits) {
    std::vector<std::string> rows;
    for (int y = 0; y < 4; ++y) {
        std::string row;
        for (int x = 0; x < 8; ++x) {
            row += static_cast<char>('0' + bits[y * 8 + x]);
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(MemoryDC, HoldsAStockBitmapAndSwapsSelections) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HBITMAP stock = vandrel::gdi::SelectedBitmap(dc);
    const auto stockDescription = vandrel::gdi::DescribeBitmap(stock);
    ASSERT_TRUE(stockDescription.has_value());
    EXPECT_EQ(stockDescription->pixels.width, 1);
    EXPECT_EQ(stockDescription->pixels.height, 1);

    void* bits = nullptr;
    HBITMAP bitmap = MakeBitmap(&bits);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    EXPECT_EQ(SelectObject(dc, bitmap), stock);
    EXPECT_FALSE(DeleteObject(bitmap));  // still selected
    HDC other = CreateCompatibleDC(dc);
    EXPECT_EQ(SelectObject(other, bitmap), nullptr);  // one context at a time
    DeleteDC(other);

    RGBQUAD colors[4];
    ASSERT_EQ(GetDIBColorTable(dc, 0, 4, colors), 4u);
    EXPECT_EQ(colors[3].rgbRed, 255);
    const RGBQUAD green = {0, 255, 0, 0};
    EXPECT_EQ(SetDIBColorTable(dc, 3, 1, &green), 1u);
    EXPECT_EQ(vandrel::gdi::DescribeBitmap(bitmap)->colors[3].rgbGreen, 255);

    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(dc, brush), reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), brush);

    EXPECT_EQ(SelectObject(dc, stock), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));  // gone
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(MemoryDC, RectanglesFillWithTheBrushAndOutlineWithThePen) {
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = MakeBitmap(&bits);
    HBITMAP stock = SelectObject(dc, bitmap);
    SelectObject(dc, reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));

    Rectangle(dc, 0, 0, 5, 4);  // black pen by default
    SelectObject(dc, reinterpret_cast<HPEN>(GetStockObject(NULL_PEN)));
    SelectObject(dc, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Rectangle(dc, 5, 0, 8, 3);  // no outline: one pixel smaller each way
    HBRUSH red = CreateSolidBrush(RGB(250, 0, 0));
    const RECT area = {7, 3, 9, 9};
    FillRect(dc, &area, red);  // clipped to the bitmap, nearest table colour

    EXPECT_EQ(Rows(static_cast<BYTE*>(bits)),
              (std::vector<std::string>{"00000110", "02220110", "02220000", "00000003"}));
    SelectObject(dc, stock);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteObject(red);
}

TEST(WindowDC, DrawsIntoTheWindowImageAndReportsChanges) {
    vandrel::hooks::SetTrueColorDisplay();
    TestWindows windows;
    TestSurface surface{6, 4, vandrel::gdi::PixelFormat::Xrgb32, 0};
    const HWND window = windows.Add(surface);

    EXPECT_EQ(GetDC(reinterpret_cast<HWND>(std::uintptr_t{0x999})), nullptr);
    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(vandrel::gdi::SurfaceOf(dc), &surface);
    EXPECT_FALSE(DeleteDC(dc));  // goes back with ReleaseDC only
    const RECT area = {1, 1, 3, 2};
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(surface.At(1, 1), 0xC0C0C0u);
    EXPECT_EQ(surface.At(3, 1), 0u);
    EXPECT_EQ(surface.Changed().right, 3);

    vandrel::gdi::ForgetSurface(surface);
    const RECT all = {0, 0, 6, 4};
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(surface.At(0, 0), 0u);
    EXPECT_EQ(ReleaseDC(nullptr, dc), 0);  // not the window it came from
    EXPECT_EQ(ReleaseDC(window, dc), 1);
    vandrel::hooks::ResetDisplay();
}

TEST(ScreenDC, DesktopAndDisplayContextsHaveCapabilitiesButNoPixels) {
    HDC desktop = GetDC(GetDesktopWindow());
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(vandrel::gdi::SurfaceOf(desktop), nullptr);
    vandrel::gdi::SetScreenResolution(1920, 1080);
    EXPECT_EQ(GetDeviceCaps(desktop, HORZRES), 1920);
    EXPECT_EQ(GetDeviceCaps(desktop, VERTRES), 1080);
    EXPECT_EQ(ReleaseDC(GetDesktopWindow(), desktop), 1);
    EXPECT_EQ(GetDeviceCaps(desktop, HORZRES), 0);  // released

    HDC info = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(ReleaseDC(nullptr, info), 0);
    EXPECT_TRUE(DeleteDC(info));
    EXPECT_EQ(CreateDCA("PRINTER", nullptr, nullptr, nullptr), nullptr);
    vandrel::hooks::ResetDisplay();
}

}  // namespace
