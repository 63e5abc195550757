#include <memory>

#include "tests/palette/pal_id_fixture.h"

namespace {

using vandrel::testing::PalIdTest;
namespace hooks = vandrel::hooks;

// Builds from the ramp through each of the three source layouts.
void BuildRamp(CPalId& palette, int layout, BOOL bIdentity) {
    BYTE rgb[768];
    RGBQUAD quads[256];
    RGBTRIPLE triples[256];
    for (int i = 0; i < 256; ++i) {
        const BYTE red = static_cast<BYTE>(i);
        const BYTE blue = static_cast<BYTE>(255 - i);
        rgb[3 * i] = red;
        rgb[3 * i + 1] = 0;
        rgb[3 * i + 2] = blue;
        quads[i] = {blue, 0, red, 0x77};
        triples[i] = {blue, 0, red};
    }
    switch (layout) {
        case 0:
            palette.Create(rgb, bIdentity);
            break;
        case 1:
            palette.Create(quads, bIdentity);
            break;
        default:
            palette.Create(triples, bIdentity);
            break;
    }
}

TEST_F(PalIdTest, TrueColorBuildsArePlainCopiesInEveryLayout) {
    hooks::SetTrueColorDisplay();
    hooks::RecordGdiCalls(true);
    for (int layout = 0; layout < 3; ++layout) {
        for (BOOL bIdentity : {FALSE, TRUE}) {
            SCOPED_TRACE(::testing::Message() << "layout " << layout << " identity " << bIdentity);
            CPalId palette;
            BuildRamp(palette, layout, bIdentity);
            EXPECT_TRUE(palette.IsCreated());
            const std::vector<PALETTEENTRY> entries = Entries(palette);
            for (int i = 0; i < 256; ++i) {
                ASSERT_TRUE(IsRampEntry(entries[static_cast<std::size_t>(i)], i, 0)) << i;
            }
        }
    }
    EXPECT_FALSE(Realised());  // the system palette was left alone
}

TEST_F(PalIdTest, PaletteDisplayWithoutIdentityIsAPlainCopy) {
    hooks::SetPaletteDisplay(256, 20);
    hooks::RecordGdiCalls(true);
    CPalId palette;
    BuildRamp(palette, 1, FALSE);
    const std::vector<PALETTEENTRY> entries = Entries(palette);
    EXPECT_TRUE(IsRampEntry(entries[0], 0, 0));
    EXPECT_TRUE(IsRampEntry(entries[128], 128, 0));
    EXPECT_TRUE(IsRampEntry(entries[255], 255, 0));
    EXPECT_FALSE(Realised());
}

struct MergeCase {
    const char* name;
    int sizePalette;
    int numReserved;
    int half;         // static entries at each end
    int reservedEnd;  // entries half .. reservedEnd - 1 are PC_RESERVED
};

class PalIdMergeTest : public PalIdTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(PalIdMergeTest, StaticColorsAtBothEndsAndReservedBetween) {
    const MergeCase& c = GetParam();
    hooks::SetPaletteDisplay(c.sizePalette, c.numReserved);
    const std::vector<PALETTEENTRY> statics = SystemPalette();
    for (int layout = 0; layout < 3; ++layout) {
        SCOPED_TRACE(::testing::Message() << "layout " << layout);
        CPalId palette;
        BuildRamp(palette, layout, TRUE);
        const std::vector<PALETTEENTRY> entries = Entries(palette);
        for (int i = 0; i < 256; ++i) {
            const PALETTEENTRY& entry = entries[static_cast<std::size_t>(i)];
            if (i < c.half) {
                ASSERT_TRUE(SameColor(entry, statics[static_cast<std::size_t>(i)])) << i;
                ASSERT_EQ(entry.peFlags, 0) << i;
            } else if (i >= 256 - c.half) {
                const int slot = c.sizePalette - 256 + i;
                ASSERT_TRUE(SameColor(entry, statics[static_cast<std::size_t>(slot)])) << i;
                ASSERT_EQ(entry.peFlags, 0) << i;
            } else {
                ASSERT_TRUE(IsRampEntry(entry, i, i < c.reservedEnd ? PC_RESERVED : 0)) << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Displays, PalIdMergeTest,
    ::testing::Values(MergeCase{"Standard", 256, 20, 10, 246},
                      MergeCase{"NoStaticColors", 256, 0, 0, 256},
                      MergeCase{"OddCountRoundsHalfDown", 256, 21, 10, 246},
                      MergeCase{"AllStaticNothingReserved", 256, 256, 128, 128},
                      MergeCase{"SmallSystemPaletteRestStaysPlain", 16, 4, 2, 14},
                      MergeCase{"LargeSystemPaletteReservedStaysInside", 512, 20, 10, 246}),
    [](const ::testing::TestParamInfo<MergeCase>& param) { return param.param.name; });

TEST_F(PalIdTest, IdentityBuildClearsTheFreeSlotsFirst) {
    hooks::SetPaletteDisplay(256, 20);
    HDC screen = GetDC(nullptr);
    LOGPALETTE logPalette{0x300, 1, {{9, 9, 9, 0}}};
    HPALETTE other = CreatePalette(&logPalette);
    HPALETTE previous = SelectPalette(screen, other, FALSE);
    RealizePalette(screen);
    ASSERT_EQ(SystemPalette()[10].peRed, 9);

    CPalId::ClearSystemPalette();
    const std::vector<PALETTEENTRY> system = SystemPalette();
    for (int slot = 10; slot < 246; ++slot) {
        ASSERT_TRUE(SameColor(system[static_cast<std::size_t>(slot)], {0, 0, 0, 0})) << slot;
    }
    EXPECT_EQ(system[255].peRed, 255);  // static colours stay
    SelectPalette(screen, previous, FALSE);
    DeleteObject(other);
    ReleaseDC(nullptr, screen);
}

TEST_F(PalIdTest, CreateFromSystemCopiesTheSystemPalette) {
    hooks::SetPaletteDisplay(256, 20);
    CPalId palette;
    palette.Create(FALSE);
    const std::vector<PALETTEENTRY> entries = Entries(palette);
    const std::vector<PALETTEENTRY> system = SystemPalette();
    for (std::size_t i = 0; i < 256; ++i) {
        ASSERT_TRUE(SameColor(entries[i], system[i])) << i;
        ASSERT_EQ(entries[i].peFlags, 0) << i;
    }
}

TEST_F(PalIdTest, LifecycleOfAnObject) {
    std::unique_ptr<CPalId> palette = std::make_unique<CPalId>();
    EXPECT_STREQ(palette->GetRuntimeClass()->m_lpszClassName, "CPalId");
    EXPECT_TRUE(palette->IsKindOf(RUNTIME_CLASS(CPalette)));

    RGBQUAD table[256];
    std::fill(std::begin(table), std::end(table), RGBQUAD{1, 2, 3, 4});
    palette->GetColorTable(table);  // not built: untouched
    EXPECT_EQ(table[0].rgbRed, 3);
    EXPECT_FALSE(palette->DeletePalette());
    EXPECT_FALSE(palette->IsCreated());

    palette->Create(CString("ignored.bmp"), 0, TRUE);
    palette->Create(CString("ignored.bmp"), 3, TRUE);
    EXPECT_FALSE(palette->IsCreated());
    EXPECT_EQ(palette->GetSafeHandle(), nullptr);

    const std::vector<RGBQUAD> ramp = Ramp();
    palette->Create(ramp.data(), TRUE);
    EXPECT_TRUE(palette->IsCreated() && palette->IsValid() && palette->IsReady());
    palette->GetColorTable(table);
    EXPECT_EQ(table[7].rgbRed, 7);
    EXPECT_EQ(table[7].rgbBlue, 248);
    EXPECT_EQ(table[7].rgbReserved, 0);

    const HPALETTE hPalette = *palette;
    EXPECT_TRUE(palette->Delete());
    EXPECT_FALSE(palette->IsCreated() || palette->IsValid() || palette->IsReady());
    EXPECT_EQ(GetPaletteEntries(hPalette, 0, 1, nullptr), 0u);  // the GDI palette is gone

    palette->Create(ramp.data(), FALSE);
    const HPALETTE hRebuilt = *palette;
    palette.reset();  // the virtual destructor deletes it
    EXPECT_EQ(GetPaletteEntries(hRebuilt, 0, 1, nullptr), 0u);
}

}  // namespace
