#include <gtest/gtest.h>

#include "platform/afx/dc.h"
#include "platform/base/exceptions.h"
#include "platform/gdi/dib_access.h"
#include "platform/gdi/hooks.h"
#include "tests/gdi/test_surface.h"

namespace {

using vandrel::testing::TestSurface;
using vandrel::testing::TestWindows;

TEST(ClientDC, RaisesTheResourceExceptionWithoutAContext) {
    TestWindows windows;  // knows no window
    CWnd* pWnd = CWnd::FromHandle(reinterpret_cast<HWND>(std::uintptr_t{0x777}));
    EXPECT_THROW(CClientDC dc(pWnd), CResourceException);
}

TEST(ClientDC, ReleasesTheWindowContextItGot) {
    TestWindows windows;
    TestSurface surface{4, 4, vandrel::gdi::DisplayPixelFormat(), 0};
    CWnd* pWnd = CWnd::FromHandle(windows.Add(surface));
    EXPECT_EQ(CWnd::FromHandle(pWnd->GetSafeHwnd()), pWnd);  // one wrapper per handle

    vandrel::hooks::RecordGdiCalls(true);
    {
        CClientDC dc(pWnd);
        EXPECT_EQ(vandrel::gdi::SurfaceOf(dc.GetSafeHdc()), &surface);
    }
    vandrel::hooks::RecordGdiCalls(false);
    const auto& calls = vandrel::hooks::RecordedGdiCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].name, "ReleaseDC");
    EXPECT_EQ(calls[1].args, calls[0].args);  // same window, same context
    vandrel::hooks::ClearRecordedGdiCalls();
}

TEST(CDC, SelectionsReturnWrappersThatNeverDeleteTheirHandles) {
    LOGPALETTE logPalette{0x300, 1, {{1, 2, 3, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette));
    CBrush brush(RGB(9, 9, 9));
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CPalette* pDefault = dc.SelectPalette(&palette, FALSE);
        ASSERT_NE(pDefault, nullptr);
        EXPECT_EQ(static_cast<HPALETTE>(*pDefault),
                  reinterpret_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)));
        CPalette* pOurs = dc.SelectPalette(pDefault, FALSE);
        EXPECT_EQ(static_cast<HPALETTE>(*pOurs), static_cast<HPALETTE>(palette));
        EXPECT_EQ(dc.SelectPalette(&palette, FALSE), pDefault);  // wrapper reused

        CBrush* pWhite = dc.SelectObject(&brush);
        EXPECT_EQ(pWhite->GetSafeHandle(), GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(dc.SelectStockObject(LTGRAY_BRUSH)->GetSafeHandle(), brush.GetSafeHandle());
        dc.SelectPalette(pDefault, FALSE);
    }
    PALETTEENTRY entry{};
    EXPECT_EQ(palette.GetEntries(0, 1, &entry), 1u);  // still alive
    EXPECT_EQ(entry.peBlue, 3);
    HBRUSH hBrush = brush;
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_FALSE(DeleteObject(hBrush));
    EXPECT_FALSE(brush.DeleteObject());
}

TEST(CDC, DeletesTheContextItCreated) {
    HDC hDC = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
        hDC = dc.GetSafeHdc();
        EXPECT_NE(dc.GetDeviceCaps(PLANES), 0);
    }
    EXPECT_EQ(GetDeviceCaps(hDC, PLANES), 0);
}

}  // namespace
