#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gdi/dib_access.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"
#include "platform/gdi/window_surface.h"

namespace {

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override { m_screen = GetDC(nullptr); }
    void TearDown() override {
        ReleaseDC(nullptr, m_screen);
        vandrel::hooks::ResetDisplay();
    }

    std::vector<PALETTEENTRY> SystemPalette() {
        std::vector<PALETTEENTRY> entries(
            static_cast<std::size_t>(GetDeviceCaps(m_screen, SIZEPALETTE)));
        GetSystemPaletteEntries(m_screen, 0, static_cast<UINT>(entries.size()), entries.data());
        return entries;
    }

    HDC m_screen = nullptr;
};

bool SameColor(const PALETTEENTRY& entry, BYTE red, BYTE green, BYTE blue) {
    return entry.peRed == red && entry.peGreen == green && entry.peBlue == blue;
}

HPALETTE MakePalette(const std::vector<PALETTEENTRY>& entries) {
    LOGPALETTE logPalette{0x300, static_cast<WORD>(entries.size()), {}};
    std::copy(entries.begin(), entries.end(), logPalette.palPalEntry);
    return CreatePalette(&logPalette);
}

TEST_F(DisplayTest, TrueColorDisplayHasNoSystemPalette) {
    vandrel::hooks::SetTrueColorDisplay();
    EXPECT_EQ(GetDeviceCaps(m_screen, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(m_screen, SIZEPALETTE), 0);
    EXPECT_EQ(GetDeviceCaps(m_screen, BITSPIXEL), 32);
    PALETTEENTRY entry{};
    EXPECT_EQ(GetSystemPaletteEntries(m_screen, 0, 1, &entry), 0u);
    EXPECT_EQ(vandrel::gdi::DisplayPixelFormat(), vandrel::gdi::PixelFormat::Xrgb32);
}

TEST_F(DisplayTest, EnvironmentChoosesThePaletteDisplay) {
    setenv("VANDREL_DISPLAY", "palette", 1);
    vandrel::hooks::ResetDisplay();
    unsetenv("VANDREL_DISPLAY");
    EXPECT_NE(GetDeviceCaps(m_screen, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(m_screen, SIZEPALETTE), 256);
    EXPECT_EQ(GetDeviceCaps(m_screen, NUMRESERVED), 20);
    EXPECT_EQ(GetDeviceCaps(m_screen, BITSPIXEL), 8);
    vandrel::hooks::ResetDisplay();
    EXPECT_EQ(GetDeviceCaps(m_screen, RASTERCAPS) & RC_PALETTE, 0);
}

TEST_F(DisplayTest, PaletteDisplayKeepsTheTwentyStaticColorsAtBothEnds) {
    vandrel::hooks::SetPaletteDisplay(256, 20);
    const std::vector<PALETTEENTRY> system = SystemPalette();
    ASSERT_EQ(system.size(), 256u);
    EXPECT_TRUE(SameColor(system[0], 0, 0, 0));
    EXPECT_TRUE(SameColor(system[1], 128, 0, 0));
    EXPECT_TRUE(SameColor(system[7], 192, 192, 192));
    EXPECT_TRUE(SameColor(system[8], 192, 220, 192));
    EXPECT_TRUE(SameColor(system[9], 166, 202, 240));
    EXPECT_TRUE(SameColor(system[246], 255, 251, 240));
    EXPECT_TRUE(SameColor(system[247], 160, 160, 164));
    EXPECT_TRUE(SameColor(system[248], 128, 128, 128));
    EXPECT_TRUE(SameColor(system[249], 255, 0, 0));
    EXPECT_TRUE(SameColor(system[254], 0, 255, 255));
    EXPECT_TRUE(SameColor(system[255], 255, 255, 255));
    EXPECT_EQ(vandrel::gdi::DisplayPixelFormat(), vandrel::gdi::PixelFormat::SystemIndex8);
}

TEST_F(DisplayTest, ForegroundRealisationClaimsFreeSlotsAndSharesMatches) {
    vandrel::hooks::SetPaletteDisplay(256, 20);
    // A static colour, two picture colours of which one repeats, and a
    // reserved duplicate that must get a slot of its own.
    HPALETTE palette = MakePalette(
        {{255, 0, 0, 0}, {1, 2, 3, 0}, {4, 5, 6, 0}, {1, 2, 3, 0}, {1, 2, 3, PC_RESERVED}});
    SelectPalette(m_screen, palette, FALSE);
    EXPECT_EQ(RealizePalette(m_screen), 5u);
    const std::vector<PALETTEENTRY> system = SystemPalette();
    EXPECT_TRUE(SameColor(system[10], 1, 2, 3));
    EXPECT_TRUE(SameColor(system[11], 4, 5, 6));
    EXPECT_TRUE(SameColor(system[12], 1, 2, 3));
    EXPECT_TRUE(SameColor(system[13], 0, 0, 0));  // untouched free slot

    // Drawn with palette colours, entry i shows in the slot it landed in.
    const std::vector<std::uint32_t> expectedSlots = {249, 10, 11, 10, 12};
    vandrel::gdi::PixelBuffer target{nullptr, 0, 0, 0, vandrel::gdi::PixelFormat::SystemIndex8,
                                     nullptr};
    BITMAPINFO info{};
    for (WORD i = 0; i < 5; ++i) {
        std::memcpy(reinterpret_cast<BYTE*>(info.bmiColors) + 2 * i, &i, 2);
    }
    info.bmiHeader.biClrUsed = 5;
    vandrel::gdi::PixelLookup lookup;
    ASSERT_TRUE(vandrel::gdi::BuildPixelLookup(m_screen, target, info, DIB_PAL_COLORS, lookup));
    EXPECT_EQ(std::vector<std::uint32_t>(lookup, lookup + 5), expectedSlots);

    SelectPalette(m_screen, reinterpret_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    EXPECT_TRUE(DeleteObject(palette));
}

TEST_F(DisplayTest, BackgroundRealisationOnlyMatchesExistingColors) {
    vandrel::hooks::SetPaletteDisplay(256, 20);
    const std::vector<PALETTEENTRY> before = SystemPalette();
    HPALETTE palette = MakePalette({{250, 5, 5, 0}, {1, 2, 3, PC_RESERVED}});
    SelectPalette(m_screen, palette, TRUE);
    RealizePalette(m_screen);
    const std::vector<PALETTEENTRY> after = SystemPalette();
    EXPECT_EQ(std::memcmp(before.data(), after.data(), before.size() * sizeof(PALETTEENTRY)), 0);
    SelectPalette(m_screen, reinterpret_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    DeleteObject(palette);
}

TEST_F(DisplayTest, SlotImagesConvertThroughTheSystemPalette) {
    vandrel::hooks::SetPaletteDisplay(256, 20);
    BYTE slots[2 * 3] = {0, 249, 255, 7, 8, 9};
    std::uint32_t xrgb[2 * 3] = {};
    const vandrel::gdi::PixelBuffer in{slots,  3, 2, 3, vandrel::gdi::PixelFormat::SystemIndex8,
                                       nullptr};
    const vandrel::gdi::PixelBuffer out{reinterpret_cast<BYTE*>(xrgb),     3,      2, 12,
                                        vandrel::gdi::PixelFormat::Xrgb32, nullptr};
    vandrel::gdi::ConvertToXrgb(in, {1, 0, 10, 10}, out);
    EXPECT_EQ(std::vector<std::uint32_t>(xrgb, xrgb + 6),
              (std::vector<std::uint32_t>{0, 0xFF0000, 0xFFFFFF, 0, 0xC0DCC0, 0xA6CAF0}));
}

TEST_F(DisplayTest, RecorderKeepsPaletteAndContextCalls) {
    vandrel::hooks::RecordGdiCalls(true);
    HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HPALETTE palette = MakePalette({{1, 2, 3, 0}});
    SelectPalette(dc, palette, TRUE);
    RealizePalette(dc);
    DeleteDC(dc);
    DeleteObject(palette);
    vandrel::hooks::RecordGdiCalls(false);
    std::vector<std::string> names;
    for (const vandrel::hooks::GdiCall& call : vandrel::hooks::RecordedGdiCalls()) {
        names.push_back(call.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"CreateDCA", "CreatePalette", "SelectPalette",
                                               "RealizePalette", "DeleteDC"}));
    EXPECT_EQ(vandrel::hooks::RecordedGdiCalls()[2].args.back(), TRUE);
    vandrel::hooks::ClearRecordedGdiCalls();
    EXPECT_TRUE(vandrel::hooks::RecordedGdiCalls().empty());
}

}  // namespace
