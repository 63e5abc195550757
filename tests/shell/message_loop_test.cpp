// The loop in both modes. Driving frames: every queued message is dispatched
// before a step, then both idle passes and one step; a quit leaves the mode,
// is passed on and ends the loop with ExitInstance's value. The framework's
// idle mode: idle passes while nothing waits, the count starting again after
// every message.
#include "platform/user/message_api.h"
#include "res/resource.h"
#include "tests/shell/shell_fixture.h"

namespace {

std::vector<std::string> Without(std::vector<std::string> log, const std::string& entry) {
    std::erase(log, entry);
    return log;
}

}  // namespace

TEST_F(ShellTest, DrivingFramesDispatchesEverythingThenIdlesThenStepsOnce) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(m_app.m_bPeekDrive);
    m_app.log.clear();
    for (int i = 0; i < 3; ++i) {
        Frame()->PostMessage(WM_COMMAND, ID_DRIVE_PEEKMESSAGE, 0);
    }
    RecordedViewCalls().onStep = [this] {
        m_app.log.push_back("step");
        if (RecordedViewCalls().steps == 3) {
            PostQuitMessage(9);
        }
    };
    m_posted.clear();
    EXPECT_EQ(m_app.Run(), LoopRecordingApp::kExitCode);

    EXPECT_EQ(m_app.log,
              (std::vector<std::string>{"command", "command", "command", "idle0", "idle1", "step",
                                        "idle0", "idle1", "step", "idle0", "idle1", "step"}));
    EXPECT_EQ(RecordedViewCalls().driveCommands, 3);
    EXPECT_FALSE(m_app.m_bPeekDrive) << "the quit ends the mode";
    const auto quits = Posted(WM_QUIT);
    ASSERT_EQ(quits.size(), 2u) << "the quit is posted again";
    EXPECT_EQ(quits[1].wParam, 9u);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 9u);
}

TEST_F(ShellTest, NoStepWithoutAMainWindowOrAnActiveView) {
    const auto runThreePasses = [this] {
        int passes = 0;
        m_app.onIdle = [&passes](LONG lCount) {
            if (lCount == 1 && ++passes == 3) {
                PostQuitMessage(0);
            }
        };
        m_app.m_bPeekDrive = TRUE;
        m_app.Run();
        EXPECT_EQ(passes, 3);
        MSG quit;  // the loop passed its quit on; take it
        EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    };
    runThreePasses();  // no main window at all
    ASSERT_TRUE(Start());
    Frame()->SetActiveView(nullptr);
    runThreePasses();
    EXPECT_EQ(RecordedViewCalls().steps, 0);
}

TEST_F(ShellTest, TheIdleModeCountsIdlePassesAfreshAfterEveryMessage) {
    ASSERT_TRUE(Start());
    m_app.m_bPeekDrive = FALSE;
    int commands = 0;
    m_app.onIdle = [&](LONG lCount) {
        // Each time the idle passes run out, give the loop one message.
        if (lCount == 1) {
            if (++commands <= 2) {
                Frame()->PostMessage(WM_COMMAND, ID_DRIVE_PEEKMESSAGE, 0);
            } else {
                PostQuitMessage(3);
            }
        }
    };
    m_app.log.clear();
    EXPECT_EQ(m_app.Run(), LoopRecordingApp::kExitCode);
    EXPECT_EQ(RecordedViewCalls().steps, 0) << "no frames in this mode";
    EXPECT_EQ(RecordedViewCalls().driveCommands, 2);
    // Whatever else the window system delivered in between, every message
    // is followed by a fresh count.
    const std::vector<std::string>& log = m_app.log;
    for (std::size_t i = 0; i + 1 < log.size(); ++i) {
        if (log[i] == "command") {
            EXPECT_EQ(log[i + 1], "idle0");
        }
        if (log[i] == "idle0") {
            EXPECT_EQ(log[i + 1], "idle1");
        }
    }
    EXPECT_EQ(Without(log, "command").back(), "idle1");
}
