// Start-up and shut-down of the view: the settings it reads, the WinG
// binding it starts, the advice box, the start size and the run counter.
// Each case runs in a process of its own, as the WinG binding is settled
// once per process.
#include "engine/render_state.h"
#include "platform/base/global_memory.h"
#include "res/resource.h"
#include "tests/view/view_fixture.h"

namespace {

using StartUpTest = ViewTest;

constexpr UINT kSizes[] = {ID_DISPLAY_NORMAL, ID_DISPLAY_DOUBLED, ID_DISPLAY_WINDOW};
constexpr UINT kPictures[] = {ID_FILE_BITMAP1, ID_FILE_BITMAP2, ID_FILE_BITMAP3, ID_FILE_BITMAP4};
constexpr UINT kPresets[] = {ID_ZORBLE_SUBTLE, ID_ZORBLE_RIPPLES, ID_ZORBLE_WAVY, ID_ZORBLE_TYPHOON,
                             ID_ZORBLE_RANDOM};

TEST_F(StartUpTest, FirstRunWithWinGStartsDoubledWithPictureOneAndTuneOneWaiting) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(CDibG::s_bWinG);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(CheckedAmong(kSizes), ID_DISPLAY_DOUBLED);
    EXPECT_TRUE(Item(ID_DISPLAY_WINDOW).enabled);
    EXPECT_EQ(CheckedAmong(kPictures), ID_FILE_BITMAP1);
    EXPECT_EQ(CheckedAmong(kPresets), ID_ZORBLE_WAVY);
    EXPECT_TRUE(Item(ID_AUDIO_TUNE1).checked);
    EXPECT_TRUE(m_app.m_bPeekDrive);
    EXPECT_EQ(std::vector<BYTE>(g_pSourceBits, g_pSourceBits + 65536),
              PictureInSurfaceOrder("ZORBLE1"));
    CRect view;
    View()->GetClientRect(&view);
    EXPECT_EQ(view.Size(), CSize(513, 513)) << "the picture and a pixel above and to the left";

    Close();
    EXPECT_NE(SettingsText().find("Num Runs=1"), std::string::npos) << SettingsText();
}

TEST_F(StartUpTest, FirstRunWithoutWinGAdvisesOnceAndStartsNormal) {
    HideWinG();
    ASSERT_TRUE(Start());
    EXPECT_FALSE(CDibG::s_bWinG);
    ASSERT_EQ(m_boxes.size(), 1u);
    CString advice;
    advice.LoadString(IDS_NO_WING);
    EXPECT_EQ(m_boxes[0].text, advice.str());
    EXPECT_EQ(m_boxes[0].type & 0xF0, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(CheckedAmong(kSizes), ID_DISPLAY_NORMAL);
    EXPECT_FALSE(Item(ID_DISPLAY_WINDOW).enabled);
}

TEST_F(StartUpTest, LaterRunsGiveNoAdviceAndCountEveryCompletedRun) {
    HideWinG();
    WriteSettings("[Vandrel]\nNum Runs=41\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(m_boxes.empty());
    Close();
    EXPECT_NE(SettingsText().find("Num Runs=42"), std::string::npos) << SettingsText();
}

TEST_F(StartUpTest, DoNotUseKeepsWinGOutWithoutAdvice) {
    WriteSettings("[WinG]\nDo Not Use=1\n");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(CDibG::s_bWinG);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(CheckedAmong(kSizes), ID_DISPLAY_NORMAL);
    EXPECT_FALSE(Item(ID_DISPLAY_WINDOW).enabled);
    EXPECT_EQ(SettingsText().find("ProfileMessage"), std::string::npos);
}

// Screen width, whether WinG is there, and the size the view starts at.
struct StartSize {
    int screenWidth;
    bool winG;
    UINT checked;
};

class StartSizeTest : public ViewTest, public ::testing::WithParamInterface<StartSize> {};

TEST_P(StartSizeTest, DoubledOnlyOnScreensWiderThan640WithWinG) {
    vandrel::hooks::SetSystemMetric(SM_CXSCREEN, GetParam().screenWidth);
    if (!GetParam().winG) {
        HideWinG();
    }
    ASSERT_TRUE(Start());
    EXPECT_EQ(CheckedAmong(kSizes), GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(ScreensAndWinG, StartSizeTest,
                         ::testing::Values(StartSize{640, true, ID_DISPLAY_NORMAL},
                                           StartSize{641, true, ID_DISPLAY_DOUBLED},
                                           StartSize{640, false, ID_DISPLAY_NORMAL},
                                           StartSize{641, false, ID_DISPLAY_NORMAL}));

TEST_F(StartUpTest, NoMemoryForTheSourcePictureIsAFatalErrorNotACrash) {
    // Every global allocation fails from here, the source buffer first.
    vandrel::hooks::FailGlobalAllocAfter(0);
    EXPECT_FALSE(Start());
    vandrel::hooks::ClearAllocationFailure();
    EXPECT_FALSE(g_bAppOK);
    ASSERT_FALSE(m_boxes.empty());
    CString outOfMemory;
    outOfMemory.LoadString(IDS_OUT_OF_MEMORY);
    EXPECT_EQ(m_boxes[0].text, outOfMemory.str());
}

TEST_F(StartUpTest, AnUnwritableCountDoesNotDisturbTheExit) {
    ASSERT_TRUE(Start());
    // A folder where the settings file should be: the count cannot be written.
    std::filesystem::create_directories(m_profile / "KORVANTH.INI");
    Close();
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

}  // namespace
