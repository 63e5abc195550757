// The cost of presenting the program's doubled frame: a 256 x 256 8-bit
// picture enlarged to 512 x 512 in a true-colour window image, through the
// WinG component and through StretchDIBits, against writing the 1 MiB
// destination once with memset, the floor no presentation can beat.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gdi/gdi.h"
#include "tests/gdi/test_surface.h"
#include "tests/wing/wing_test_support.h"
#include "wing/kernels/doubling_kernels.h"

namespace {

using vandrel::gdi::PixelFormat;
using namespace vandrel::testing;

constexpr int kSide = 256;
constexpr int kDoubled = 2 * kSide;
constexpr std::int64_t kDestinationBytes = std::int64_t{kDoubled} * kDoubled * 4;

// A window image of the doubled size and a context drawing into it.
class DoubledWindow {
public:
    DoubledWindow()
        : m_image(kDoubled, kDoubled, PixelFormat::Xrgb32, 0),
          m_window(m_windows.Add(m_image)),
          m_dc(GetDC(m_window)) {}
    ~DoubledWindow() { ReleaseDC(m_window, m_dc); }
    DoubledWindow(const DoubledWindow&) = delete;
    DoubledWindow& operator=(const DoubledWindow&) = delete;

    HDC dc() const { return m_dc; }
    BYTE* pixels() { return m_image.Pixels().topRow; }

private:
    TestSurface m_image;
    TestWindows m_windows;
    HWND m_window;
    HDC m_dc;
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
    std::vector<std::uint32_t> target(kDoubled * kDoubled);
    for (auto _ : state) {
        for (int y = 0; y < kSide; ++y) {
            std::uint32_t* upper = target.data() + 2 * y * kDoubled;
            kernel(source.data() + y * kSide, kSide, table, upper, upper + kDoubled);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kDestinationBytes);
}
BENCHMARK(BM_WinGDoubleRows)->DenseRange(0, 2);

}  // namespace
