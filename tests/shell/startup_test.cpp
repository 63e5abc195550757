// Start-up: one document in a maximized main frame with its bars, the loop
// switched to driving frames; a start-up whose frame cannot be made tells the
// user and fails instead of looping with no window.
#include "platform/afx/win_app.h"
#include "platform/kernel/process.h"
#include "platform/user/controls.h"
#include "platform/user/message_api.h"
#include "res/resource.h"
#include "tests/shell/shell_fixture.h"

TEST_F(ShellTest, StartUpOpensTheMaximizedFrameWithItsBars) {
    m_app.m_nCmdShow = SW_SHOWNORMAL;  // whatever the program was started with
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(IsZoomed(frame->m_hWnd));
    char caption[64];
    GetWindowTextA(frame->m_hWnd, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Vandrel 95");
    EXPECT_EQ(std::string(m_app.m_pszAppName), "Vandrel 95");
    EXPECT_TRUE(m_app.m_bPeekDrive) << "the view switched the loop to driving frames";
    EXPECT_NE(frame->GetActiveView(), nullptr);
    EXPECT_TRUE(m_boxes.empty());

    // Fourteen buttons in five groups, two separators between groups.
    std::string layout;
    for (int i = 0; i < frame->m_wndToolBar.GetCount(); ++i) {
        layout += frame->m_wndToolBar.GetItemID(i) == ID_SEPARATOR ? '|' : 'B';
    }
    EXPECT_EQ(layout, "B||BBB||BBBBB||BB||BBB");

    const HWND statusBar = frame->m_wndStatusBar.m_hWnd;
    ASSERT_EQ(vandrel::user::StatusBarPaneCount(statusBar), 2);
    EXPECT_EQ(vandrel::user::StatusBarPaneWidth(statusBar, 0), -1) << "the message pane stretches";
    EXPECT_EQ(vandrel::user::StatusBarPaneWidth(statusBar, 1),
              vandrel::user::StatusBarTextWidth(statusBar, "Fps = 000"));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(std::string(frame->m_wndStatusBar.GetPaneText(0)),
              "Vandrel 95: real-time sine wave distortion by KORVANTH");

    // Today's rates have more digits than the pane was sized for: it grows to
    // show them, and does not shrink back for a shorter text.
    const int sized = vandrel::user::StatusBarPaneWidth(statusBar, 1);
    frame->m_wndStatusBar.SetPaneText(1, "Fps = 123456");
    const int wide = vandrel::user::StatusBarTextWidth(statusBar, "Fps = 123456");
    EXPECT_GT(wide, sized);
    EXPECT_EQ(vandrel::user::StatusBarPaneWidth(statusBar, 1), wide);
    frame->m_wndStatusBar.SetPaneText(1, "Fps = ?");
    EXPECT_EQ(vandrel::user::StatusBarPaneWidth(statusBar, 1), wide);
}

TEST_F(ShellTest, AFrameThatCannotBeMadeEndsTheStartUpWithAFailure) {
    RecordedViewCalls().failCreate = true;
    EXPECT_EQ(AfxWinMain(), EXIT_FAILURE);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Failed to create empty document.");
    EXPECT_EQ(m_boxes[0].caption, "Vandrel 95");
}

TEST_F(ShellTest, TheProcessRunsAtHighPriorityWherePermittedUntilTheApplicationGoes) {
    {
        LoopRecordingApp app;
        app.InitApplication();
        app.InitInstance();
        const DWORD during = GetPriorityClass(GetCurrentProcess());
        EXPECT_TRUE(during == HIGH_PRIORITY_CLASS || during == NORMAL_PRIORITY_CLASS);
        app.m_pMainWnd->DestroyWindow();
    }
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), NORMAL_PRIORITY_CLASS);
}
