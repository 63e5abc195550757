// The animation drive: what a frame step does, the frame-rate pane, and the
// wave presets.
#include "engine/render_state.h"
#include "platform/base/clock.h"
#include "res/resource.h"
#include "tests/view/view_fixture.h"

namespace {

class AnimationTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        vandrel::hooks::UseFakeClock(1000);
        ASSERT_TRUE(Start());
    }
    void TearDown() override {
        ViewTest::TearDown();
        vandrel::hooks::UseSystemClock();
    }
    std::string RatePane() const { return Item(ID_INDICATOR_FPS).text; }
    void Steps(int count) const {
        for (int i = 0; i < count; ++i) {
            View()->StepFrame();
        }
    }
    // The renderer's column map, which every rendered frame rebuilds from
    // the column phase of that frame.
    static std::vector<BYTE> ColumnMap() { return {g_byColumnMap, g_byColumnMap + 256}; }
};

TEST_F(AnimationTest, RateCoversTheWindowsRealLengthAndStartsUnknown) {
    EXPECT_EQ(RatePane(), "Fps = ?");
    Steps(44);
    vandrel::hooks::AdvanceFakeClock(2999);
    Steps(1);
    EXPECT_EQ(RatePane(), "Fps = ?") << "2,999 ms is not yet a window";
    vandrel::hooks::AdvanceFakeClock(1);
    Steps(1);
    EXPECT_EQ(RatePane(), "Fps = 15") << "46 steps in 3,000 ms, the closing step counted";

    // A window held open for six seconds (a modal box, say) reports its own rate.
    Steps(60);
    vandrel::hooks::AdvanceFakeClock(6000);
    Steps(1);
    EXPECT_EQ(RatePane(), "Fps = 10");
}

TEST_F(AnimationTest, ClockWrapAndResizeAreHandled) {
    vandrel::hooks::SetFakeClock(0xFFFFF000u);
    View()->SendMessage(WM_SIZE, SIZE_RESTORED, (300 << 16) | 300);
    EXPECT_EQ(RatePane(), "Fps = ?") << "a resize starts a new window";
    Steps(8);
    vandrel::hooks::AdvanceFakeClock(4000);  // past 2^32
    Steps(1);
    EXPECT_EQ(RatePane(), "Fps = 2");
    View()->SendMessage(WM_SIZE, SIZE_RESTORED, (300 << 16) | 300);
    EXPECT_EQ(RatePane(), "Fps = ?");
}

TEST_F(AnimationTest, EachStepRendersWithAdvancedPhasesUntilAFatalError) {
    Steps(1);
    const std::vector<BYTE> first = ColumnMap();
    Steps(1);
    const std::vector<BYTE> second = ColumnMap();
    EXPECT_NE(first, second) << "the column phase moved on between the two frames";

    g_bAppOK = FALSE;
    Steps(3);
    EXPECT_EQ(ColumnMap(), second) << "no frame is rendered after a fatal error";
}

TEST_F(AnimationTest, PresetsCheckTheirItemAndTimerDriveChangesNothing) {
    for (const UINT command : {ID_ZORBLE_SUBTLE, ID_ZORBLE_RIPPLES, ID_ZORBLE_TYPHOON,
                               ID_ZORBLE_RANDOM, ID_ZORBLE_WAVY}) {
        Command(command);
        EXPECT_TRUE(Item(command).checked) << command;
    }
    Command(ID_DRIVE_TIMER);
    EXPECT_TRUE(Item(ID_DRIVE_PEEKMESSAGE).checked);
    EXPECT_FALSE(Item(ID_DRIVE_TIMER).checked);
    EXPECT_TRUE(m_app.m_bPeekDrive);
}

}  // namespace
