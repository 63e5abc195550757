// The main frame: its restored size from the screen, the bar heights the
// view lays itself out by, the grey backdrop, activation pausing and resuming
// the tune, and every way of exiting.
#include <QWidget>

#include "platform/afx/view.h"
#include "platform/user/message_api.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_record.h"
#include "res/resource.h"
#include "tests/shell/shell_fixture.h"

TEST_F(ShellTest, TheRestoredSizeFollowsTheScreen) {
    struct Case {
        int screenWidth;
        int screenHeight;
        int width;
        int height;
    };
    constexpr int kCaption = 18;
    constexpr int kMenu = 19;
    const Case cases[] = {
        {640, 480, 600, 400 + kCaption + kMenu},
        {641, 480, 633, 472},
        {800, 600, 720, 530 + kCaption + kMenu},
        {1024, 768, 720, 640 + kCaption + kMenu},
        {800, 560, 720, 552},
    };
    vandrel::hooks::SetSystemMetric(SM_CYCAPTION, kCaption);
    vandrel::hooks::SetSystemMetric(SM_CYMENU, kMenu);
    for (const Case& c : cases) {
        vandrel::hooks::SetSystemMetric(SM_CXSCREEN, c.screenWidth);
        vandrel::hooks::SetSystemMetric(SM_CYSCREEN, c.screenHeight);
        CMainFrame frame;
        CREATESTRUCT cs{};
        cs.style = static_cast<LONG>(WS_CHILD | WS_VISIBLE);
        EXPECT_TRUE(frame.PreCreateWindow(cs));
        EXPECT_EQ(cs.cx, c.width) << c.screenWidth << " x " << c.screenHeight;
        EXPECT_EQ(cs.cy, c.height) << c.screenWidth << " x " << c.screenHeight;
        EXPECT_EQ(static_cast<DWORD>(cs.style), WS_OVERLAPPEDWINDOW);
    }
}

TEST_F(ShellTest, BarHeightsAreOneMoreThanTheBarsWhileTheyShow) {
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    CRect client;
    frame->GetClientRect(&client);
    frame->m_wndToolBar.MoveWindow(0, 100, client.Width(), 45);
    EXPECT_EQ(frame->GetToolBarHeight(), 46);
    CRect statusBar;
    frame->m_wndStatusBar.GetWindowRect(&statusBar);
    EXPECT_EQ(frame->GetStatusBarHeight(), statusBar.Height() + 1);
    frame->m_wndToolBar.ShowWindow(SW_HIDE);
    frame->m_wndStatusBar.ShowWindow(SW_HIDE);
    EXPECT_EQ(frame->GetToolBarHeight(), 0);
    EXPECT_EQ(frame->GetStatusBarHeight(), 0);
}

TEST_F(ShellTest, TheFramePaintsItsUncoveredClientAreaLightGrey) {
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    frame->GetActiveView()->ShowWindow(SW_HIDE);
    frame->Invalidate(TRUE);
    frame->UpdateWindow();
    const QImage& image = vandrel::user::FindWindowRecord(frame->m_hWnd)->backing->Image();
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(image.pixel(client.Width() / 2, client.Height() / 2) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_EQ(image.pixel(client.Width() - 1, client.Height() - 1) & 0xFFFFFF, 0xC0C0C0u);
}

TEST_F(ShellTest, ActivationPausesAndResumesTheTuneUntilAFatalError) {
    ASSERT_TRUE(Start());
    const HWND frame = Frame()->m_hWnd;
    const ViewCalls& calls = RecordedViewCalls();
    const int pausesBefore = calls.pauses;
    const int resumesBefore = calls.resumes;
    SendMessageA(frame, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(calls.pauses, pausesBefore + 1);
    SendMessageA(frame, WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageA(frame, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(calls.resumes, resumesBefore + 2);

    g_bAppOK = FALSE;
    SendMessageA(frame, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageA(frame, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(calls.pauses, pausesBefore + 1);
    EXPECT_EQ(calls.resumes, resumesBefore + 2);
}

TEST_F(ShellTest, EveryWayOfExitingPostsACloseToTheMainWindow) {
    ASSERT_TRUE(Start());
    const HWND frame = Frame()->m_hWnd;
    const HWND toolBar = Frame()->m_wndToolBar.m_hWnd;
    // Ctrl+X, the menu item, the toolbar button.
    const auto viaKey = [&] {
        vandrel::user::PostInputMessage(frame, WM_KEYDOWN, 'X', 1, {true, false, false});
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
        EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
    };
    const auto viaMenu = [&] { SendMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0); };
    const auto viaButton = [&] {
        SendMessageA(frame, WM_COMMAND, ID_APP_EXIT, reinterpret_cast<LPARAM>(toolBar));
    };
    for (const auto& exit : {std::function<void()>(viaKey), std::function<void()>(viaMenu),
                             std::function<void()>(viaButton)}) {
        m_posted.clear();
        exit();
        const auto closes = Posted(WM_CLOSE);
        ASSERT_EQ(closes.size(), 1u);
        EXPECT_EQ(closes[0].hwnd, frame);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {
        }
    }
}

TEST_F(ShellTest, TheExitCommandDoesNothingWithoutAMainWindow) {
    m_app.OnCmdMsg(ID_APP_EXIT, CN_COMMAND, nullptr, nullptr);
    EXPECT_TRUE(m_posted.empty());
}

TEST_F(ShellTest, TheWindowSystemsActivationChangesReachTheFrame) {
    ASSERT_TRUE(Start());
    const auto dispatch = [] {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    };
    QWidget* frameWidget = vandrel::user::FindWindowRecord(Frame()->m_hWnd)->widget;
    frameWidget->activateWindow();
    dispatch();
    const ViewCalls& calls = RecordedViewCalls();
    const int pausesBefore = calls.pauses;
    const int resumesBefore = calls.resumes;

    QWidget other;  // another program's window, as far as the frame can tell
    other.show();
    other.activateWindow();
    dispatch();
    EXPECT_EQ(calls.pauses, pausesBefore + 1);
    frameWidget->activateWindow();
    dispatch();
    EXPECT_EQ(calls.resumes, resumesBefore + 1);
}
