#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/gdi/dib_access.h"
#include "tests/gdi/test_surface.h"
#include "tests/wing/wing_test_support.h"

namespace {

using namespace vandrel::testing;
using vandrel::gdi::PixelFormat;

constexpr std::uint32_t kBackground = 0x123456;

class WinGBlitTest : public ::testing::Test {
protected:
    void TearDown() override {
        vandrel::hooks::RecordGdiCalls(false);
        vandrel::hooks::ClearRecordedGdiCalls();
        vandrel::hooks::ResetDisplay();
    }
};

struct Blit {
    int xDst, yDst, cxDst, cyDst, xSrc, ySrc, cxSrc, cySrc;
};

// What nearest-neighbour scaling puts at destination (x, y), or nothing
// when the blit does not cover it.
bool ExpectedIndex(const Blit& b, int x, int y, BYTE& index) {
    if (x < b.xDst || x >= b.xDst + b.cxDst || y < b.yDst || y >= b.yDst + b.cyDst) {
        return false;
    }
    index = TestIndex(b.xSrc + (x - b.xDst) * b.cxSrc / b.cxDst,
                      b.ySrc + (y - b.yDst) * b.cySrc / b.cyDst);
    return true;
}

// The x2 kernel, the general scaler and the unscaled copy, each in both row
// orders, against the plain formula; pixels the blit does not cover keep
// the background, and the window hears of exactly the covered area.
TEST_F(WinGBlitTest, WindowImageGetsEveryPixelThroughTheColourTable) {
    const Blit cases[] = {
        {10, 20, 512, 512, 0, 0, 256, 256},    // the program's doubled size
        {3, 1, 64, 32, 16, 8, 32, 16},         // doubled part of the picture
        {0, 0, 300, 170, 0, 0, 256, 256},      // uneven scaling
        {40, 30, 100, 50, 7, 9, 100, 50},      // unscaled, moved
        {500, 480, 256, 256, 0, 0, 128, 128},  // doubled, cut by the image edge
    };
    for (const bool topDown : {true, false}) {
        const WinGSource source(256, 256, topDown);
        for (const Blit& b : cases) {
            TestSurface image(600, 600, PixelFormat::Xrgb32, kBackground);
            TestWindows windows;
            HWND window = windows.Add(image);
            HDC dc = GetDC(window);
            ASSERT_TRUE(WinGStretchBlt(dc, b.xDst, b.yDst, b.cxDst, b.cyDst, source.dc(), b.xSrc,
                                       b.ySrc, b.cxSrc, b.cySrc));
            ReleaseDC(window, dc);
            for (int y = 0; y < 600; ++y) {
                for (int x = 0; x < 600; ++x) {
                    BYTE index = 0;
                    const std::uint32_t expected =
                        ExpectedIndex(b, x, y, index) ? TestXrgb(index) : kBackground;
                    ASSERT_EQ(image.At(x, y), expected)
                        << "top-down " << topDown << " blit to " << b.xDst << "," << b.yDst
                        << " size " << b.cxDst << " at " << x << "," << y;
                }
            }
            const RECT changed = image.Changed();
            EXPECT_EQ(changed.left, b.xDst);
            EXPECT_EQ(changed.top, b.yDst);
            EXPECT_EQ(changed.right, std::min(600, b.xDst + b.cxDst));
            EXPECT_EQ(changed.bottom, std::min(600, b.yDst + b.cyDst));
        }
    }
}

// A window that keeps what is presented to it, as one that shows it later
// does.
class HoldingSurface : public TestSurface {
public:
    using TestSurface::TestSurface;
    void Present(std::unique_ptr<vandrel::gdi::SurfaceDrawing> drawing) override {
        held = std::move(drawing);
    }
    std::unique_ptr<vandrel::gdi::SurfaceDrawing> held;
};

// The program renders its next frame into the same bitmap while the window
// may still hold this one; and a screen's image with alpha needs it opaque.
TEST_F(WinGBlitTest, ADoubledFrameHandedToTheWindowKeepsItsOwnPixels) {
    using TopByte = vandrel::gdi::SurfaceDrawing::TopByte;
    constexpr int kSide = 16;
    const WinGSource source(kSide, kSide, true);
    HoldingSurface image(64, 64, PixelFormat::Xrgb32, kBackground);
    TestWindows windows;
    HWND window = windows.Add(image);
    HDC dc = GetDC(window);
    ASSERT_TRUE(WinGStretchBlt(dc, 4, 6, 2 * kSide, 2 * kSide, source.dc(), 0, 0, kSide, kSide));
    ReleaseDC(window, dc);
    ASSERT_NE(image.held, nullptr);
    const RECT area = image.held->Area();
    EXPECT_EQ(std::vector<LONG>({area.left, area.top, area.right, area.bottom}),
              std::vector<LONG>({4, 6, 36, 38}));

    BITMAPINFO info{};
    auto* bits = static_cast<BYTE*>(WinGGetDIBPointer(source.bitmap(), &info));
    ASSERT_NE(bits, nullptr);
    std::fill_n(bits, kSide * kSide, BYTE{0});

    const BYTE first = TestIndex(0, 0);
    const BYTE last = TestIndex(kSide - 1, kSide - 1);
    ASSERT_FALSE(first == 0 && last == 0) << "the new frame must differ from the held one";
    image.held->DrawAt(image.Pixels(), area.left, area.top, TopByte::kZero);
    EXPECT_EQ(image.At(4, 6), TestXrgb(first));
    EXPECT_EQ(image.At(35, 37), TestXrgb(last));
    EXPECT_EQ(image.At(36, 38), kBackground);
    image.held->DrawAt(image.Pixels(), area.left, area.top, TopByte::kOpaque);
    EXPECT_EQ(image.At(4, 6), 0xFF000000u | TestXrgb(first));
    EXPECT_EQ(image.At(35, 37), 0xFF000000u | TestXrgb(last));
}

TEST_F(WinGBlitTest, BitBltIsTheUnscaledStretch) {
    const WinGSource source(64, 64, false);
    TestSurface image(64, 64, PixelFormat::Xrgb32, kBackground);
    TestWindows windows;
    HWND window = windows.Add(image);
    HDC dc = GetDC(window);
    vandrel::hooks::RecordGdiCalls(true);
    ASSERT_TRUE(WinGBitBlt(dc, 2, 3, 20, 10, source.dc(), 5, 6));
    ReleaseDC(window, dc);
    EXPECT_EQ(image.At(2, 3), TestXrgb(TestIndex(5, 6)));
    EXPECT_EQ(image.At(21, 12), TestXrgb(TestIndex(24, 15)));
    EXPECT_EQ(image.At(22, 12), kBackground);
    const auto& calls = vandrel::hooks::RecordedGdiCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().name, "WinGBitBlt");
    EXPECT_EQ(calls.front().args, (std::vector<std::int64_t>{2, 3, 20, 10, 5, 6}));
}

// On the palette display the bitmap's values are system slots already.
TEST_F(WinGBlitTest, PaletteDisplayTakesPixelValuesUnchanged) {
    vandrel::hooks::SetPaletteDisplay();
    const WinGSource source(32, 32, true);
    TestSurface image(64, 64, PixelFormat::SystemIndex8, 0);
    TestWindows windows;
    HWND window = windows.Add(image);
    HDC dc = GetDC(window);
    ASSERT_TRUE(WinGStretchBlt(dc, 0, 0, 64, 64, source.dc(), 0, 0, 32, 32));
    ReleaseDC(window, dc);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(image.At(x, y), TestIndex(x / 2, y / 2)) << x << "," << y;
        }
    }
}

// A memory context is no window image: the GDI layer's general copy serves
// it, and with the same colour table every index arrives as it was.
TEST_F(WinGBlitTest, MemoryDestinationGoesThroughGdi) {
    const WinGSource source(16, 16, false);
    const WinGSource target(32, 32, true);
    ASSERT_TRUE(WinGStretchBlt(target.dc(), 0, 0, 32, 32, source.dc(), 0, 0, 16, 16));
    const auto pixels = vandrel::gdi::DescribeBitmap(target.bitmap())->pixels;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(pixels.Row(y)[x], TestIndex(x / 2, y / 2)) << x << "," << y;
        }
    }
}

TEST_F(WinGBlitTest, EmptyOrOutsideRectanglesWriteNothing) {
    const WinGSource source(8, 8, true);
    TestSurface image(8, 8, PixelFormat::Xrgb32, kBackground);
    TestWindows windows;
    HWND window = windows.Add(image);
    HDC dc = GetDC(window);
    EXPECT_FALSE(WinGStretchBlt(dc, 0, 0, 0, 8, source.dc(), 0, 0, 8, 8));
    EXPECT_FALSE(WinGStretchBlt(dc, 0, 0, 8, 8, source.dc(), 0, 0, 8, 0));
    EXPECT_TRUE(WinGStretchBlt(dc, 0, 0, 8, 8, source.dc(), 20, 20, 8, 8));
    EXPECT_TRUE(WinGStretchBlt(dc, 9, 0, 16, 16, source.dc(), 0, 0, 8, 8));
    ReleaseDC(window, dc);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(image.At(x, y), kBackground) << x << "," << y;
        }
    }
    EXPECT_EQ(image.Changed().right, 0);
}

}  // namespace
