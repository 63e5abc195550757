// A framework exception in the loop or in a command handler is fatal: one
// box with the matching text, the sound stopped, no more frames, and an
// orderly close through the exit command that ends the loop.
#include "platform/sound/play_sound.h"
#include "platform/user/message_api.h"
#include "res/resource.h"
#include "tests/shell/shell_fixture.h"
#include "tests/sound/wave_builder.h"

namespace {

const char kMemoryText[] =
    "Not enough memory to complete the operation.\n\nThe application will be terminated.";
const char kOtherText[] =
    "An unexpected error has occurred.\n\nThe application will be terminated.";

}  // namespace

TEST_F(ShellTest, AnExceptionInAStepIsReportedOnceAndClosesTheProgram) {
    struct Case {
        int exception;
        const char* text;
    };
    for (const Case& c : {Case{1, kMemoryText}, Case{2, kOtherText}}) {
        g_bAppOK = TRUE;
        m_boxes.clear();
        RecordedViewCalls() = ViewCalls{};
        ASSERT_TRUE(Start());
        const std::vector<std::uint8_t> tune =
            vandrel::testing::MakeWave(std::vector<std::uint8_t>(64, 128));
        ASSERT_TRUE(sndPlaySoundA(reinterpret_cast<LPCSTR>(tune.data()),
                                  SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_LOOP));
        ASSERT_TRUE(m_sound.running);
        const HWND frame = Frame()->m_hWnd;
        RecordedViewCalls().throwOnStep = c.exception;
        m_posted.clear();

        EXPECT_EQ(m_app.Run(), LoopRecordingApp::kExitCode) << "the loop ends in order";

        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].text, c.text);
        EXPECT_EQ(m_boxes[0].caption, "Vandrel 95");
        EXPECT_EQ(m_boxes[0].type, MB_ICONSTOP);
        EXPECT_FALSE(g_bAppOK);
        EXPECT_FALSE(m_sound.running) << "the tune stops before the box";
        const auto commands = Posted(WM_COMMAND);
        ASSERT_FALSE(commands.empty());
        EXPECT_EQ(commands[0].hwnd, frame);
        EXPECT_EQ(commands[0].wParam, ID_APP_EXIT);
        EXPECT_EQ(AfxGetMainWnd(), nullptr) << "the main window closed";
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
}

TEST_F(ShellTest, AnExceptionInACommandHandlerIsCaughtByTheFrame) {
    ASSERT_TRUE(Start());
    const HWND frame = Frame()->m_hWnd;
    RecordedViewCalls().throwOnDriveCommand = true;
    m_posted.clear();
    EXPECT_EQ(Frame()->OnCommand(ID_DRIVE_PEEKMESSAGE, 0), FALSE) << "the command is not handled";
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, kMemoryText);
    EXPECT_FALSE(g_bAppOK);
    const auto commands = Posted(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].hwnd, frame);
    EXPECT_EQ(commands[0].wParam, ID_APP_EXIT);
    EXPECT_EQ(commands[0].lParam, 0);

    EXPECT_EQ(m_app.Run(), LoopRecordingApp::kExitCode);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(m_boxes.size(), 1u) << "one box only";
}
