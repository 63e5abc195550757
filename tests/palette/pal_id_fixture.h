// Shared set-up of the CPalId tests: a display chosen per test and reset
// afterwards, and readers of what a build produced.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "palette/pal_id.h"
#include "platform/gdi/hooks.h"

namespace vandrel::testing {

class PalIdTest : public ::testing::Test {
protected:
    void TearDown() override {
        hooks::RecordGdiCalls(false);
        hooks::ClearRecordedGdiCalls();
        hooks::ResetDisplay();
    }

    static std::vector<PALETTEENTRY> Entries(CPalId& palette) {
        std::vector<PALETTEENTRY> entries(256);
        EXPECT_EQ(palette.GetEntries(0, 256, entries.data()), 256u);
        return entries;
    }
    static std::vector<PALETTEENTRY> SystemPalette() {
        HDC screen = GetDC(nullptr);
        std::vector<PALETTEENTRY> entries(
            static_cast<std::size_t>(GetDeviceCaps(screen, SIZEPALETTE)));
        GetSystemPaletteEntries(screen, 0, static_cast<UINT>(entries.size()), entries.data());
        ReleaseDC(nullptr, screen);
        return entries;
    }
    // A picture table whose entry i is red i, green 0, blue 255 - i.
    static std::vector<RGBQUAD> Ramp() {
        std::vector<RGBQUAD> quads(256);
        for (int i = 0; i < 256; ++i) {
            quads[static_cast<std::size_t>(i)] = {static_cast<BYTE>(255 - i), 0,
                                                  static_cast<BYTE>(i), 0};
        }
        return quads;
    }
    static bool IsRampEntry(const PALETTEENTRY& entry, int i, BYTE flags) {
        return entry.peRed == i && entry.peGreen == 0 && entry.peBlue == 255 - i &&
               entry.peFlags == flags;
    }
    static bool SameColor(const PALETTEENTRY& a, const PALETTEENTRY& b) {
        return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
    }
    static bool Realised() {
        for (const hooks::GdiCall& call : hooks::RecordedGdiCalls()) {
            if (call.name == "RealizePalette") {
                return true;
            }
        }
        return false;
    }
};

}  // namespace vandrel::testing
