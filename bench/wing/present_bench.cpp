// The cost of presenting the program's doubled frame: a 256 x 256 8-bit
// picture enlarged to 512 x 512 in a true-colour window image, through the
// WinG component and through StretchDIBits, against writing the 1 MiB
// destination once with memset, the floor no presentation can beat. And the
// same for a maximized window's size.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/window_surface.h"
#include "tests/wing/wing_test_support.h"
#include "wing/kernels/doubling_kernels.h"

namespace {

using vandrel::gdi::PixelFormat;
using namespace vandrel::testing;

constexpr int kSide = 256;
constexpr int kDoubled = 2 * kSide;
constexpr std::int64_t kDestinationBytes = std::int64_t{kDoubled} * kDoubled * 4;

// A window image whose rows start on cache lines, as a window system's
// images do when it allocates them for wide stores.
class AlignedImage : public vandrel::gdi::PixelSurface {
public:
    AlignedImage(int width, int height)
        : m_width(width),
          m_height(height),
          m_pixels(static_cast<std::uint32_t*>(
              std::aligned_alloc(64, static_cast<std::size_t>(width) * height * 4))) {}
    ~AlignedImage() override { std::free(m_pixels); }
    AlignedImage(const AlignedImage&) = delete;
    AlignedImage& operator=(const AlignedImage&) = delete;

    vandrel::gdi::PixelBuffer Pixels() override {
        return {reinterpret_cast<BYTE*>(m_pixels),
                m_width,
                m_height,
                static_cast<std::ptrdiff_t>(m_width) * 4,
                PixelFormat::Xrgb32,
                nullptr};
    }
    void PixelsChanged(const RECT& /*area*/) override {}

private:
    int m_width;
    int m_height;
    std::uint32_t* m_pixels;
};

// A window image, of the doubled size unless told, and a context drawing
// into it.
class DoubledWindow : public vandrel::gdi::WindowSurfaceProvider {
public:
    explicit DoubledWindow(int width = kDoubled, int height = kDoubled) : m_image(width, height) {
        vandrel::gdi::SetWindowSurfaceProvider(this);
        m_dc = GetDC(kWindow);
    }
    ~DoubledWindow() override {
        ReleaseDC(kWindow, m_dc);
        vandrel::gdi::SetWindowSurfaceProvider(nullptr);
    }
    DoubledWindow(const DoubledWindow&) = delete;
    DoubledWindow& operator=(const DoubledWindow&) = delete;

    vandrel::gdi::PixelSurface* ClientSurface(HWND window) override {
        return window == kWindow ? &m_image : nullptr;
    }
    HDC dc() const { return m_dc; }
    BYTE* pixels() { return m_image.Pixels().topRow; }

private:
    inline static const HWND kWindow = reinterpret_cast<HWND>(std::uintptr_t{0x1000});
    AlignedImage m_image;
    HDC m_dc = nullptr;
};

void BM_WinGStretch512(benchmark::State& state) {
    const WinGSource source(kSide, kSide, true);
    DoubledWindow window;
    for (auto _ : state) {
        WinGStretchBlt(window.dc(), 0, 0, kDoubled, kDoubled, source.dc(), 0, 0, kSide, kSide);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kDestinationBytes);
}
BENCHMARK(BM_WinGStretch512);

void BM_GdiStretch512(benchmark::State& state) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, kSide, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> bits(kSide * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            info.bmiColors[x] = TestColour(x);
            bits[static_cast<std::size_t>((kSide - 1 - y) * kSide + x)] = TestIndex(x, y);
        }
    }
    DoubledWindow window;
    for (auto _ : state) {
        StretchDIBits(window.dc(), 0, 0, kDoubled, kDoubled, 0, 0, kSide, kSide, bits.data(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kDestinationBytes);
}
BENCHMARK(BM_GdiStretch512);

void BM_Fill1M(benchmark::State& state) {
    DoubledWindow window;
    for (auto _ : state) {
        std::memset(window.pixels(), 0x5A, static_cast<std::size_t>(kDestinationBytes));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kDestinationBytes);
}
BENCHMARK(BM_Fill1M);

// Window size: the picture stretched by a factor that is not whole, as in a
// maximized window, against filling that area once.
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 704;
constexpr std::int64_t kWindowBytes = std::int64_t{kWindowWidth} * kWindowHeight * 4;

void BM_WinGStretchWindow(benchmark::State& state) {
    const WinGSource source(kSide, kSide, true);
    DoubledWindow window(kWindowWidth, kWindowHeight);
    for (auto _ : state) {
        WinGStretchBlt(window.dc(), 0, 0, kWindowWidth, kWindowHeight, source.dc(), 0, 0, kSide,
                       kSide);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWindowBytes);
}
BENCHMARK(BM_WinGStretchWindow);

void BM_FillWindow(benchmark::State& state) {
    DoubledWindow window(kWindowWidth, kWindowHeight);
    for (auto _ : state) {
        std::memset(window.pixels(), 0x5A, static_cast<std::size_t>(kWindowBytes));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWindowBytes);
}
BENCHMARK(BM_FillWindow);

// Each x2 row kernel on its own, the whole doubled frame.
void BM_WinGDoubleRows(benchmark::State& state) {
    const auto path = static_cast<vandrel::wing::BlitPath>(state.range(0));
    if (!vandrel::wing::IsBlitPathSupported(path)) {
        state.SkipWithError("path not supported on this CPU");
        return;
    }
    state.SetLabel(std::string(vandrel::wing::BlitPathName(path)));
    const vandrel::wing::DoubleRowKernel kernel = vandrel::wing::DoubleRowKernelOf(path);
    std::vector<std::uint8_t> source(kSide * kSide);
    for (std::size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<std::uint8_t>(i * 7);
    }
    std::uint32_t lookup[256];
    for (int i = 0; i < 256; ++i) {
        lookup[i] = TestXrgb(i);
    }
    vandrel::wing::DoublingTable table;
    vandrel::wing::PrepareDoublingTable(lookup, table);
    AlignedImage image(kDoubled, kDoubled);
    auto* target = reinterpret_cast<std::uint32_t*>(image.Pixels().topRow);
    for (auto _ : state) {
        for (int y = 0; y < kSide; ++y) {
            std::uint32_t* upper = target + 2 * y * kDoubled;
            kernel(source.data() + y * kSide, kSide, table, upper, upper + kDoubled);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kDestinationBytes);
}
BENCHMARK(BM_WinGDoubleRows)->DenseRange(0, 2);

}  // namespace
