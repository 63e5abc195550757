#include <filesystem>

#include "platform/gdi/dib_access.h"
#include "tests/surface/surface_fixture.h"

namespace {

using vandrel::testing::kProfileMessage;
using vandrel::testing::ProbedDib;
using vandrel::testing::ResetWinGBinding;
using WinGBindingTest = vandrel::testing::SurfaceTest;

TEST_F(WinGBindingTest, CompleteComponentIsUsedInTheOrderAskedOrRecommended) {
    struct Case {
        int forced;
        int orientation;
    };
    // The component recommends top-down rows, so asking for none gives 2.
    for (const Case c : {Case{2, 2}, Case{0, 2}, Case{1, 1}}) {
        ResetWinGBinding();
        CDibG::InitWinG(kProfileMessage, FALSE, c.forced);
        EXPECT_TRUE(CDibG::s_bWinG) << c.forced;
        EXPECT_TRUE(CDibG::s_bWinGLoaded) << c.forced;
        EXPECT_EQ(CDibG::s_nOrientation, c.orientation) << c.forced;
        EXPECT_NE(CDibG::s_hWinGLib, nullptr) << c.forced;
        EXPECT_NE(CDibG::s_hWinGDC, nullptr) << c.forced;
        // Emptied, not removed, once loading succeeded.
        EXPECT_EQ(ProfileMessage(), "") << c.forced;
    }
}

TEST_F(WinGBindingTest, MissingOrIncompleteComponentLeavesGdiModeAndTheMessage) {
    const std::string cases[] = {
        Folder("no_component"),
        VANDREL_WING_WITHOUT_HALFTONE_PALETTE_DIR,
        VANDREL_WING_WITHOUT_STRETCHBLT_DIR,
    };
    for (const std::string& folder : cases) {
        ResetWinGBinding();
        vandrel::hooks::SetLibraryFolder(folder);
        CDibG::InitWinG(kProfileMessage, FALSE, 2);
        EXPECT_FALSE(CDibG::s_bWinG) << folder;
        EXPECT_FALSE(CDibG::s_bWinGLoaded) << folder;
        EXPECT_EQ(CDibG::s_nOrientation, CDibG::kBottomUp) << folder;
        EXPECT_EQ(CDibG::s_hWinGLib, nullptr) << folder;
        EXPECT_EQ(CDibG::s_hWinGDC, nullptr) << folder;
        EXPECT_EQ(ProfileMessage(), kProfileMessage) << folder;
    }
}

TEST_F(WinGBindingTest, DoNotUseLoadsNothingAndLeavesWinIniAlone) {
    CDibG::InitWinG(kProfileMessage, TRUE, 2);
    EXPECT_FALSE(CDibG::s_bWinG);
    EXPECT_EQ(CDibG::s_nOrientation, CDibG::kBottomUp);
    EXPECT_EQ(CDibG::s_hWinGLib, nullptr);
    EXPECT_FALSE(WinIniExists());
    // Later loads keep to that decision.
    EXPECT_FALSE(CDibG::LoadWinG(kProfileMessage));
    EXPECT_EQ(CDibG::s_hWinGLib, nullptr);
    EXPECT_FALSE(WinIniExists());
}

TEST_F(WinGBindingTest, LaterLoadsReturnTheFirstOutcomeWithoutWritingWinIni) {
    StartWinG();
    std::filesystem::remove(m_dir / "profile" / "WIN.INI");
    EXPECT_TRUE(CDibG::LoadWinG(kProfileMessage));
    EXPECT_FALSE(WinIniExists());

    ResetWinGBinding();
    vandrel::hooks::SetLibraryFolder(Folder("no_component"));
    EXPECT_FALSE(CDibG::LoadWinG(kProfileMessage));
    std::filesystem::remove(m_dir / "profile" / "WIN.INI");
    EXPECT_FALSE(CDibG::LoadWinG(kProfileMessage));
    EXPECT_FALSE(WinIniExists());
}

TEST_F(WinGBindingTest, ColourUseFollowsTheDisplayInBothModes) {
    for (const BOOL doNotUse : {FALSE, TRUE}) {
        for (const bool palette : {false, true}) {
            ResetWinGBinding();
            if (palette) {
                vandrel::hooks::SetPaletteDisplay();
            } else {
                vandrel::hooks::SetTrueColorDisplay();
            }
            CDibG::InitWinG(kProfileMessage, doNotUse, 2);
            EXPECT_EQ(CDibG::s_bPaletteDevice, palette ? TRUE : FALSE) << doNotUse;
            EXPECT_EQ(CDibG::s_nColorUse, palette ? 1 : 0) << doNotUse;
            EXPECT_EQ(CDibG::s_bmiRGB.bmiHeader.biSize, 40u);
            EXPECT_EQ(CDibG::s_bmiPal.bmiHeader.biBitCount, 8);
        }
    }
}

TEST_F(WinGBindingTest, SurfaceMemoryIsAWinGBitmapInTheSettledOrder) {
    for (const int order : {CDibG::kTopDown, CDibG::kBottomUp}) {
        ResetWinGBinding();
        StartWinG(order);
        CPalId pal;
        pal.Create(FALSE);
        ProbedDib dib;
        dib.Create(256, 256, &pal);
        ASSERT_NE(dib.Bitmap(), nullptr);
        const auto bitmap = vandrel::gdi::DescribeBitmap(dib.Bitmap());
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(dib.GetBits(), bitmap->bits);
        EXPECT_EQ(dib.HeaderHeight(), order == CDibG::kTopDown ? -256 : 256);
        EXPECT_EQ(bitmap->header->biHeight, dib.HeaderHeight());
        EXPECT_EQ(dib.GetRowPointer(0), bitmap->pixels.Row(0));
        EXPECT_EQ(dib.GetRowPointer(255), bitmap->pixels.Row(255));
        // WinG reads the colours at creation, so they are there already.
        PALETTEENTRY entries[256];
        pal.GetEntries(0, 256, entries);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(bitmap->colors[i].rgbRed, entries[i].peRed) << i;
            ASSERT_EQ(bitmap->colors[i].rgbBlue, entries[i].peBlue) << i;
        }
        const HBITMAP handle = dib.Bitmap();
        dib.Destroy();
        EXPECT_EQ(dib.Bitmap(), nullptr);
        EXPECT_FALSE(vandrel::gdi::DescribeBitmap(handle));
    }
}

TEST_F(WinGBindingTest, OneSurfaceAtATimeIsSelectedAndDestroyDeselects) {
    StartWinG();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib first;
    ProbedDib second;
    first.Create(16, 16, &pal);
    second.Create(16, 16, &pal);

    const HBITMAP initial = vandrel::gdi::SelectedBitmap(CDibG::s_hWinGDC);
    EXPECT_EQ(first.SelectIntoWinGDC(), initial);
    EXPECT_TRUE(first.IsSelected());
    EXPECT_EQ(CDibG::s_hOldBitmap, initial);
    EXPECT_EQ(second.SelectIntoWinGDC(), first.Bitmap());
    EXPECT_FALSE(first.IsSelected());
    EXPECT_TRUE(second.IsSelected());
    EXPECT_EQ(CDibG::s_pSelected, &second);
    EXPECT_EQ(CDibG::s_hOldBitmap, initial);
    // Selecting the selected surface again changes nothing.
    EXPECT_EQ(second.SelectIntoWinGDC(), nullptr);
    EXPECT_EQ(vandrel::gdi::SelectedBitmap(CDibG::s_hWinGDC), second.Bitmap());

    second.Destroy();
    EXPECT_EQ(vandrel::gdi::SelectedBitmap(CDibG::s_hWinGDC), initial);
    EXPECT_EQ(CDibG::s_pSelected, nullptr);
    EXPECT_FALSE(second.IsSelected());
}

TEST_F(WinGBindingTest, EveryPaletteCanBeDeletedOnceItsSurfaceIsGone) {
    // A palette still selected into a context cannot be deleted; the shared
    // context outlives every surface, and the view deletes the palette of
    // each picture it leaves.
    StartWinG();
    const struct {
        const char* how;
        void (*make)(CDibG& dib, CPalId& first, CPalId& second);
    } cases[] = {
        {"made to a size",
         [](CDibG& dib, CPalId& first, CPalId& second) {
             first.Create(FALSE);
             second.Create(FALSE);
             dib.Create(16, 16, &first);
             dib.Destroy();
             dib.Create(16, 16, &second);
         }},
        {"made from a picture",
         [](CDibG& dib, CPalId& first, CPalId& second) {
             dib.Create("zorble1", &first, CDibG::kSourceResource);
             dib.Destroy();
             dib.Create("zorble2", &second, CDibG::kSourceResource);
         }},
        {"loaded with another palette",
         [](CDibG& dib, CPalId& first, CPalId& second) {
             dib.Create("zorble3", &first, CDibG::kSourceResource);
             dib.Load("zorble4", &second, CDibG::kSourceResource);
         }},
    };
    for (const auto& c : cases) {
        CPalId first;
        CPalId second;
        ProbedDib dib;
        c.make(dib, first, second);
        dib.SelectIntoWinGDC();
        dib.Destroy();
        EXPECT_TRUE(first.DeletePalette()) << c.how;
        EXPECT_TRUE(second.DeletePalette()) << c.how;
    }
}

TEST_F(WinGBindingTest, GdiModeSelectsNothingAndMakesNoOwnContext) {
    StartGdi();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib dib;
    dib.Create(8, 8, &pal);
    EXPECT_EQ(dib.Bitmap(), nullptr);
    EXPECT_EQ(dib.SelectIntoWinGDC(), nullptr);
    EXPECT_FALSE(dib.IsSelected());
    dib.EnableOwnDC(TRUE);
    EXPECT_EQ(dib.OwnDC(), nullptr);
}

TEST_F(WinGBindingTest, OwnContextComesAndGoes) {
    StartWinG();
    ProbedDib dib;
    dib.EnableOwnDC(TRUE);
    const HDC own = dib.OwnDC();
    ASSERT_NE(own, nullptr);
    dib.EnableOwnDC(TRUE);
    EXPECT_EQ(dib.OwnDC(), own);
    dib.EnableOwnDC(FALSE);
    EXPECT_EQ(dib.OwnDC(), nullptr);
    EXPECT_FALSE(DeleteDC(own));  // already gone
}

TEST_F(WinGBindingTest, ExitReleasesContextAndLibrary) {
    StartWinG();
    const HDC shared = CDibG::s_hWinGDC;
    CDibG::ExitWinG();
    EXPECT_EQ(CDibG::s_hWinGDC, nullptr);
    EXPECT_EQ(CDibG::s_hWinGLib, nullptr);
    EXPECT_TRUE(CDibG::s_bWinG);  // left for whoever reports it
    EXPECT_FALSE(DeleteDC(shared));
}

}  // namespace
