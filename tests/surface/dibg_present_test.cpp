#include <functional>

#include "platform/afx/dc.h"
#include "platform/gdi/color.h"
#include "tests/gdi/test_surface.h"
#include "tests/surface/surface_fixture.h"

namespace {

using namespace vandrel::testing;
using vandrel::gdi::PixelFormat;

// A window image and a framework context drawing into it.
class TestWindow {
public:
    TestWindow(int width, int height, PixelFormat format)
        : m_image(width, height, format, 0x010203), m_window(m_windows.Add(m_image)) {
        m_dc.Attach(GetDC(m_window));
    }
    ~TestWindow() { ReleaseDC(m_window, m_dc.Detach()); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    CDC* dc() { return &m_dc; }
    TestSurface& image() { return m_image; }

private:
    TestSurface m_image;
    TestWindows m_windows;
    HWND m_window;
    CDC m_dc;
};

class PresentTest : public SurfaceTest {
protected:
    // The arguments of the one drawing call the action made.
    static vandrel::hooks::GdiCall DrawingCall(const std::function<void()>& action) {
        vandrel::hooks::ClearRecordedGdiCalls();
        vandrel::hooks::RecordGdiCalls(true);
        action();
        vandrel::hooks::RecordGdiCalls(false);
        std::vector<vandrel::hooks::GdiCall> drawing;
        for (const auto& call : vandrel::hooks::RecordedGdiCalls()) {
            if (call.name == "StretchDIBits" || call.name.starts_with("WinG")) {
                drawing.push_back(call);
            }
        }
        EXPECT_EQ(drawing.size(), 1u);
        return drawing.empty() ? vandrel::hooks::GdiCall{} : drawing.front();
    }
    static std::vector<std::int64_t> Dib(std::vector<std::int64_t> args) {
        args.push_back(CDibG::s_nColorUse);
        args.push_back(SRCCOPY);
        return args;
    }
};

struct Mapping {
    const char* what;
    std::function<int(CDibG&, CDC*)> present;
    const char* call;
    std::vector<std::int64_t> args;  // without colour use and raster operation
};

void Check(CDibG& dib, CDC* dc, const Mapping& m, bool dibCall) {
    const auto call = [&] {
        vandrel::hooks::ClearRecordedGdiCalls();
        vandrel::hooks::RecordGdiCalls(true);
        m.present(dib, dc);
        vandrel::hooks::RecordGdiCalls(false);
        for (const auto& c : vandrel::hooks::RecordedGdiCalls()) {
            if (c.name == "StretchDIBits" || c.name.starts_with("WinG")) {
                return c;
            }
        }
        return vandrel::hooks::GdiCall{};
    }();
    std::vector<std::int64_t> expected = m.args;
    if (dibCall) {
        expected.push_back(CDibG::s_nColorUse);
        expected.push_back(SRCCOPY);
    }
    EXPECT_EQ(call.name, m.call) << m.what;
    EXPECT_EQ(call.args, expected) << m.what;
}

const CRect kTarget(10, 10, 110, 60);
const CRect kSource(16, 32, 48, 96);

// GDI counts a bottom-up DIB's source rows from the bottom: y becomes
// 256 - y - height everywhere.
TEST_F(PresentTest, GdiModeTurnsSourceRowsToCountFromTheBottom) {
    StartGdi();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib dib;
    dib.Create(256, 256, &pal);
    dib.FillIndex(1);
    TestWindow window(16, 16, PixelFormat::Xrgb32);
    const CPoint origin(0, 0), at(1, 2), from(10, 20);
    const CSize whole(256, 256), doubled(512, 512), square(16, 16);
    const Mapping cases[] = {
        {"StretchBlt doubled",
         [&](CDibG& d, CDC* c) { return d.StretchBlt(c, &origin, &doubled, &origin, &whole); },
         "StretchDIBits",
         {0, 0, 512, 512, 0, 0, 256, 256}},
        {"BitBlt square",
         [&](CDibG& d, CDC* c) { return d.BitBlt(c, &at, &from, &square); },
         "StretchDIBits",
         {1, 2, 16, 16, 10, 220, 16, 16}},
        {"Render",
         [](CDibG& d, CDC* c) { return d.Render(c, 5, 6, 100, 50, 10, 20, 30, 40); },
         "StretchDIBits",
         {5, 6, 100, 50, 10, 196, 30, 40}},
        {"Draw at",
         [](CDibG& d, CDC* c) { return d.Draw(c, 3, 4); },
         "StretchDIBits",
         {3, 4, 256, 256, 0, 0, 256, 256}},
        {"Draw at point",
         [](CDibG& d, CDC* c) { return d.Draw(c, CPoint(3, 4)); },
         "StretchDIBits",
         {3, 4, 256, 256, 0, 0, 256, 256}},
        {"Draw into",
         [](CDibG& d, CDC* c) { return d.Draw(c, &kTarget); },
         "StretchDIBits",
         {10, 10, 100, 50, 0, 0, 256, 256}},
        {"Draw part",
         [](CDibG& d, CDC* c) { return d.Draw(c, &kTarget, &kSource); },
         "StretchDIBits",
         {10, 10, 100, 50, 16, 160, 32, 64}},
        {"DrawDIB",
         [](CDibG& d, CDC* c) { return d.DrawDIB(c, &kTarget); },
         "StretchDIBits",
         {10, 10, 100, 50, 0, 0, 256, 256}},
        {"StretchDIB",
         [](CDibG& d, CDC* c) { return d.StretchDIB(c, 5, 6, 100, 50, 10, 20, 30, 40); },
         "StretchDIBits",
         {5, 6, 100, 50, 10, 196, 30, 40}},
        {"RenderDIB",
         [](CDibG& d, CDC* c) { return d.RenderDIB(c, 5, 6, 100, 50, 10, 20, 30, 40); },
         "StretchDIBits",
         {5, 6, 100, 50, 10, 196, 30, 40}},
    };
    for (const Mapping& m : cases) {
        Check(dib, window.dc(), m, true);
    }
}

TEST_F(PresentTest, WinGModeCopiesUnscaledOnlyWhenNothingMoves) {
    StartWinG();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib dib;
    dib.Create(256, 256, &pal);
    dib.FillIndex(1);
    dib.SelectIntoWinGDC();
    TestWindow window(16, 16, PixelFormat::Xrgb32);
    const CPoint origin(0, 0), at(1, 2), from(10, 20);
    const CSize whole(256, 256), square(16, 16);
    const Mapping cases[] = {
        {"Render in place",
         [](CDibG& d, CDC* c) { return d.Render(c, 0, 0, 256, 256, 0, 0, 256, 256); },
         "WinGBitBlt",
         {0, 0, 256, 256, 0, 0}},
        {"Render moved",
         [](CDibG& d, CDC* c) { return d.Render(c, 8, 0, 256, 256, 0, 0, 256, 256); },
         "WinGStretchBlt",
         {8, 0, 256, 256, 0, 0, 256, 256}},
        {"Draw at",
         [](CDibG& d, CDC* c) { return d.Draw(c, 3, 4); },
         "WinGStretchBlt",
         {3, 4, 256, 256, 0, 0, 256, 256}},
        {"Draw part",
         [](CDibG& d, CDC* c) { return d.Draw(c, &kTarget, &kSource); },
         "WinGStretchBlt",
         {10, 10, 100, 50, 16, 32, 32, 64}},
        {"StretchBlt same size",
         [&](CDibG& d, CDC* c) { return d.StretchBlt(c, &origin, &whole, &origin, &whole); },
         "WinGStretchBlt",
         {0, 0, 256, 256, 0, 0, 256, 256}},
        {"BitBlt square",
         [&](CDibG& d, CDC* c) { return d.BitBlt(c, &at, &from, &square); },
         "WinGBitBlt",
         {1, 2, 16, 16, 10, 20}},
        // The shared headers take the rows as bottom-up whatever the order.
        {"StretchDIB",
         [](CDibG& d, CDC* c) { return d.StretchDIB(c, 5, 6, 100, 50, 10, 20, 30, 40); },
         "StretchDIBits",
         {5, 6, 100, 50, 10, 196, 30, 40, CDibG::s_nColorUse, SRCCOPY}},
    };
    for (const Mapping& m : cases) {
        Check(dib, window.dc(), m, false);
    }
}

// Printers get the DIB itself; top-down rows under a bottom-up header are
// turned round by a negative source height.
TEST_F(PresentTest, PrintingGoesThroughTheSharedHeaders) {
    for (const bool paletteDisplay : {false, true}) {
        for (const int order : {CDibG::kTopDown, CDibG::kBottomUp}) {
            ResetWinGBinding();
            if (paletteDisplay) {
                vandrel::hooks::SetPaletteDisplay();
            } else {
                vandrel::hooks::SetTrueColorDisplay();
            }
            StartWinG(order);
            CPalId pal;
            pal.Create(FALSE);
            ProbedDib dib;
            dib.Create(256, 256, &pal);
            dib.FillIndex(1);
            TestWindow window(16, 16, PixelFormat::Xrgb32);
            window.dc()->m_bPrinting = TRUE;
            const Mapping printing{
                "printing",
                [](CDibG& d, CDC* c) { return d.Render(c, 5, 6, 100, 50, 10, 20, 30, 40); },
                "StretchDIBits",
                order == CDibG::kTopDown
                    ? std::vector<std::int64_t>{5, 6, 100, 50, 10, 61, 30, -40}
                    : std::vector<std::int64_t>{5, 6, 100, 50, 10, 196, 30, 40}};
            Check(dib, window.dc(), printing, true);
            EXPECT_EQ(CDibG::s_nColorUse, paletteDisplay ? 1 : 0);
            EXPECT_EQ(CDibG::s_bmiPal.bmiHeader.biHeight, 256);
            EXPECT_EQ(CDibG::s_bmiRGB.bmiHeader.biWidth, 256);
        }
    }
}

TEST_F(PresentTest, EmptySurfaceDrawsNothingThroughTheSharedHeaders) {
    StartGdi();
    ProbedDib dib;
    TestWindow window(16, 16, PixelFormat::Xrgb32);
    vandrel::hooks::RecordGdiCalls(true);
    EXPECT_EQ(dib.RenderDIB(window.dc(), 0, 0, 16, 16, 0, 0, 16, 16), 0);
    EXPECT_EQ(dib.StretchDIB(window.dc(), 0, 0, 16, 16, 0, 0, 16, 16), 0);
    EXPECT_EQ(dib.DrawDIB(window.dc(), &kTarget), 0);
    EXPECT_TRUE(vandrel::hooks::RecordedGdiCalls().empty());
}

// What reaches the window: the picture the right way up, each pixel in its
// palette colour, through GDI and through WinG, in both row orders.
TEST_F(PresentTest, PresentedPixelsShowThePictureUpright) {
    enum class Mode { Gdi, WinGTopDown, WinGBottomUp };
    for (const Mode mode : {Mode::Gdi, Mode::WinGTopDown, Mode::WinGBottomUp}) {
        ResetWinGBinding();
        CDibG::InitWinG(kProfileMessage, mode == Mode::Gdi,
                        mode == Mode::WinGBottomUp ? CDibG::kBottomUp : CDibG::kTopDown);
        CPalId pal;
        ProbedDib dib;
        dib.Create("tavik", &pal, CDibG::kSourceResource);
        dib.SelectIntoWinGDC();
        PALETTEENTRY entries[256];
        pal.GetEntries(0, 256, entries);
        const auto colourAt = [&](int x, int y) {
            return vandrel::gdi::Xrgb(vandrel::gdi::RgbOf(entries[dib.GetPixel(x, y)]));
        };

        TestWindow doubled(512, 512, PixelFormat::Xrgb32);
        const CPoint origin(0, 0);
        const CSize whole = dib.GetSize(), twice(512, 512);
        EXPECT_NE(dib.StretchBlt(doubled.dc(), &origin, &twice, &origin, &whole), 0);
        for (int y = 0; y < 512; ++y) {
            for (int x = 0; x < 512; ++x) {
                ASSERT_EQ(doubled.image().At(x, y), colourAt(x / 2, y / 2))
                    << static_cast<int>(mode) << " at " << x << "," << y;
            }
        }

        TestWindow plain(300, 300, PixelFormat::Xrgb32);
        EXPECT_NE(dib.Draw(plain.dc(), &kTarget, &kSource), 0);
        for (int y = 0; y < kTarget.Height(); ++y) {
            for (int x = 0; x < kTarget.Width(); ++x) {
                const int sx = kSource.left + x * kSource.Width() / kTarget.Width();
                const int sy = kSource.top + y * kSource.Height() / kTarget.Height();
                ASSERT_EQ(plain.image().At(kTarget.left + x, kTarget.top + y), colourAt(sx, sy))
                    << static_cast<int>(mode) << " at " << x << "," << y;
            }
        }
    }
}

// On the palette display WinG puts the picture's indices into the window as
// they are, which the identity palette makes the right system slots; GDI
// maps them through the realised palette to slots of the same colours.
TEST_F(PresentTest, PaletteDisplayShowsThePicturesColours) {
    vandrel::hooks::SetPaletteDisplay();
    for (const BOOL doNotUse : {TRUE, FALSE}) {
        ResetWinGBinding();
        CPalId::ClearSystemPalette();
        CDibG::InitWinG(kProfileMessage, doNotUse, CDibG::kTopDown);
        CPalId pal;
        ProbedDib dib;
        dib.Create("zorble4", &pal, CDibG::kSourceResource);
        dib.SelectIntoWinGDC();
        TestWindow window(256, 256, PixelFormat::SystemIndex8);
        window.dc()->SelectPalette(&pal, FALSE);
        window.dc()->RealizePalette();
        EXPECT_NE(dib.Draw(window.dc(), 0, 0), 0);
        PALETTEENTRY entries[256];
        pal.GetEntries(0, 256, entries);
        PALETTEENTRY system[256];
        GetSystemPaletteEntries(window.dc()->m_hDC, 0, 256, system);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const std::uint32_t slot = window.image().At(x, y);
                const BYTE index = dib.GetPixel(x, y);
                if (!doNotUse) {
                    ASSERT_EQ(slot, index) << x << "," << y;
                }
                ASSERT_EQ(vandrel::gdi::RgbOf(system[slot]), vandrel::gdi::RgbOf(entries[index]))
                    << doNotUse << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
