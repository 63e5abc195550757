#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"
#include "tests/gdi/test_surface.h"

namespace {

using vandrel::testing::TestSurface;
using vandrel::testing::TestWindows;

// A 4 x 3 picture with pixels 0 to 11, row by row from the top, drawn as the
// letters A to L. Colour tables map a pixel to a colour whose value is a
// letter's number, so the target reads back as letters; '.' is untouched.
constexpr int kWidth = 4;
constexpr int kHeight = 3;
constexpr std::uint32_t kBackground = 0xEEEEEE;

struct Case {
    const char* name;
    bool topDown;
    int dst[4];  // x, y, width, height
    int src[4];
    UINT usage;
    std::vector<std::string> expected;  // the 8 x 6 target
};

const Case kCases[] = {
    {"unscaled",
     false,
     {1, 1, 4, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"........", ".ABCD...", ".EFGH...", ".IJKL...", "........", "........"}},
    {"doubled",
     false,
     {0, 0, 8, 6},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"AABBCCDD", "AABBCCDD", "EEFFGGHH", "EEFFGGHH", "IIJJKKLL", "IIJJKKLL"}},
    {"enlarged by a fraction, inside the row",
     false,
     {1, 1, 5, 3},
     {0, 0, 2, 3},
     DIB_RGB_COLORS,
     {"........", ".AAABB..", ".EEEFF..", ".IIIJJ..", "........", "........"}},
    {"halved width",
     false,
     {0, 0, 2, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"AC......", "EG......", "IK......", "........", "........", "........"}},
    {"bottom-up source rows count from the bottom",
     false,
     {0, 0, 2, 2},
     {1, 0, 2, 2},
     DIB_RGB_COLORS,
     {"FG......", "JK......", "........", "........", "........", "........"}},
    {"top-down source rows count from the top",
     true,
     {0, 0, 2, 2},
     {1, 0, 2, 2},
     DIB_RGB_COLORS,
     {"BC......", "FG......", "........", "........", "........", "........"}},
    {"negative source height turns rows over",
     false,
     {0, 0, 4, 3},
     {0, 3, 4, -3},
     DIB_RGB_COLORS,
     {"IJKL....", "EFGH....", "ABCD....", "........", "........", "........"}},
    {"negative destination width mirrors",
     false,
     {4, 0, -4, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"DCBA....", "HGFE....", "LKJI....", "........", "........", "........"}},
    {"clipped left",
     false,
     {-2, 0, 4, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"CD......", "GH......", "KL......", "........", "........", "........"}},
    {"clipped right",
     false,
     {6, 0, 4, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"......AB", "......EF", "......IJ", "........", "........", "........"}},
    {"clipped top",
     false,
     {0, -1, 4, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"EFGH....", "IJKL....", "........", "........", "........", "........"}},
    {"clipped bottom",
     false,
     {0, 4, 4, 3},
     {0, 0, 4, 3},
     DIB_RGB_COLORS,
     {"........", "........", "........", "........", "ABCD....", "EFGH...."}},
    {"source past the picture is skipped",
     false,
     {0, 0, 4, 3},
     {2, 0, 4, 3},
     DIB_RGB_COLORS,
     {"CD......", "GH......", "KL......", "........", "........", "........"}},
    {"palette colours come from the selected palette",
     false,
     {0, 0, 4, 3},
     {0, 0, 4, 3},
     DIB_PAL_COLORS,
     {"MNOP....", "QRST....", "UVWX....", "........", "........", "........"}},
};

std::vector<std::string> Letters(TestSurface& surface) {
    std::vector<std::string> rows;
    for (int y = 0; y < 6; ++y) {
        std::string row;
        for (int x = 0; x < 8; ++x) {
            const std::uint32_t value = surface.At(x, y);
            row += value < 26 ? static_cast<char>('A' + value) : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

RECT BoundsOfLetters(const std::vector<std::string>& rows) {
    RECT bounds{8, 6, 0, 0};
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != '.') {
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1),
                          std::max<LONG>(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds;
}

class StretchDIBitsTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        vandrel::hooks::SetTrueColorDisplay();
        m_window = m_windows.Add(m_surface);
        m_dc = GetDC(m_window);
        ASSERT_NE(m_dc, nullptr);
        // Logical entry j shows as letter j + 12, so palette use is told
        // apart from table colours.
        LOGPALETTE logPalette{0x300, 16, {}};
        for (int j = 0; j < 16; ++j) {
            logPalette.palPalEntry[j] = {0, 0, static_cast<BYTE>(j + 12), 0};
        }
        m_palette = CreatePalette(&logPalette);
        SelectPalette(m_dc, m_palette, FALSE);
    }
    void TearDown() override {
        SelectPalette(m_dc, reinterpret_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
        ReleaseDC(m_window, m_dc);
        DeleteObject(m_palette);
        vandrel::hooks::ResetDisplay();
    }

    TestWindows m_windows;
    TestSurface m_surface{8, 6, vandrel::gdi::PixelFormat::Xrgb32, kBackground};
    HWND m_window = nullptr;
    HDC m_dc = nullptr;
    HPALETTE m_palette = nullptr;
};

TEST_P(StretchDIBitsTest, DrawsTheExpectedPixels) {
    const Case& c = GetParam();
    BITMAPINFO info{};
    info.bmiHeader = {40, kWidth, c.topDown ? -kHeight : kHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    if (c.usage == DIB_PAL_COLORS) {
        WORD indices[256];
        for (int i = 0; i < 256; ++i) {
            indices[i] = static_cast<WORD>(i);
        }
        std::memcpy(info.bmiColors, indices, sizeof indices);
    } else {
        for (int i = 0; i < 256; ++i) {
            info.bmiColors[i] = {static_cast<BYTE>(i), 0, 0, 0};
        }
    }
    // Rows padded to 4 bytes; picture row y sits at memory row y when
    // top-down and at row 2 - y when bottom-up.
    BYTE bits[kHeight * 4];
    for (int y = 0; y < kHeight; ++y) {
        const int memoryRow = c.topDown ? y : kHeight - 1 - y;
        for (int x = 0; x < kWidth; ++x) {
            bits[memoryRow * 4 + x] = static_cast<BYTE>(y * kWidth + x);
        }
    }

    const int lines = StretchDIBits(m_dc, c.dst[0], c.dst[1], c.dst[2], c.dst[3], c.src[0],
                                    c.src[1], c.src[2], c.src[3], bits, &info, c.usage, SRCCOPY);

    EXPECT_EQ(lines, std::abs(c.src[3]));
    EXPECT_EQ(Letters(m_surface), c.expected);
    const RECT changed = m_surface.Changed();
    const RECT expectedChanged = BoundsOfLetters(c.expected);
    EXPECT_EQ(std::vector<LONG>({changed.left, changed.top, changed.right, changed.bottom}),
              std::vector<LONG>({expectedChanged.left, expectedChanged.top, expectedChanged.right,
                                 expectedChanged.bottom}));
}

INSTANTIATE_TEST_SUITE_P(Cases, StretchDIBitsTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             std::string name;
                             for (const char* p = param.param.name; *p != '\0'; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(StretchDIBitsRefusal, BadArgumentsDrawNothing) {
    vandrel::hooks::SetTrueColorDisplay();
    TestWindows windows;
    TestSurface surface{8, 6, vandrel::gdi::PixelFormat::Xrgb32, kBackground};
    const HWND window = windows.Add(surface);
    HDC dc = GetDC(window);
    BITMAPINFO info{};
    info.bmiHeader = {40, kWidth, kHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    BYTE bits[kHeight * 4] = {};

    EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 3, 0, 0, 4, 3, bits, &info, DIB_RGB_COLORS, 0x00EE0086),
              0);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 3, 0, 0, 4, 3, bits, &info, 2, SRCCOPY), 0);
    info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 3, 0, 0, 4, 3, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(surface.Changed().right, 0);
    ReleaseDC(window, dc);
    vandrel::hooks::ResetDisplay();
}

}  // namespace
