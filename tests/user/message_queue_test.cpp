// The queue: posted messages in order, a paint made up only when nothing is
// posted and kept until validated, the quit message last, broadcasts to the
// top-level windows only.
#include <gtest/gtest.h>

#include "platform/user/hooks.h"
#include "tests/user/window_recorder.h"

using vandrel::testing::DispatchPending;
using vandrel::testing::WindowRecorder;

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        vandrel::testing::OpenTestDisplay();
        m_window = m_windows.Create();
        ShowWindow(m_window, SW_SHOW);
        DispatchPending();
    }

    WindowRecorder m_windows;
    HWND m_window = nullptr;
};

TEST_F(MessageQueueTest, PostedMessagesComeFirstThenThePaintThenTheQuit) {
    std::vector<UINT> posted;
    vandrel::hooks::SetPostObserver([&](const MSG& msg) { posted.push_back(msg.message); });
    PostQuitMessage(7);
    InvalidateRect(m_window, nullptr, FALSE);
    PostMessageA(m_window, WM_USER + 1, 0, 0);
    PostMessageA(m_window, WM_USER + 2, 0, 0);
    vandrel::hooks::SetPostObserver(nullptr);
    EXPECT_EQ(posted, (std::vector<UINT>{WM_QUIT, WM_USER + 1, WM_USER + 2}));

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1) << "looking leaves the message queued";

    std::vector<UINT> taken;
    int paintsSeen = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        taken.push_back(msg.message);
        if (msg.message == WM_PAINT && ++paintsSeen == 2) {
            DispatchMessageA(&msg);  // the default handling validates
        }
    }
    EXPECT_EQ(taken, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_PAINT, WM_QUIT}))
        << "a paint is made up again until the window is valid";
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "the quit is taken once";
}

TEST_F(MessageQueueTest, HiddenWindowsGetNoPaint) {
    ShowWindow(m_window, SW_HIDE);
    InvalidateRect(m_window, nullptr, TRUE);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
    ShowWindow(m_window, SW_SHOW);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
}

TEST_F(MessageQueueTest, BroadcastsReachEveryTopLevelWindowButNoChild) {
    const HWND other = m_windows.Create();
    const HWND child = m_windows.Create(m_window, RECT{0, 0, 10, 10});
    SendMessageA(HWND_BROADCAST, WM_PALETTECHANGED, 0, 0);
    PostMessageA(HWND_BROADCAST, WM_USER + 3, 0, 0);
    DispatchPending();
    for (HWND window : {m_window, other}) {
        const auto kept =
            m_windows.Received(window, {WM_SIZE, WM_ACTIVATE, WM_PAINT, WM_ERASEBKGND});
        ASSERT_FALSE(kept.empty());
        EXPECT_EQ(kept.back(), WM_USER + 3);
        const auto received = m_windows.Received(window);
        EXPECT_EQ(std::count(received.begin(), received.end(), WM_PALETTECHANGED), 1);
    }
    const auto childMessages = m_windows.Received(child);
    EXPECT_EQ(std::count(childMessages.begin(), childMessages.end(), WM_PALETTECHANGED), 0);
}

TEST_F(MessageQueueTest, PostingToAWindowThatIsGoneFails) {
    const HWND gone = m_windows.Create();
    DestroyWindow(gone);
    EXPECT_FALSE(PostMessageA(gone, WM_USER, 0, 0));
    EXPECT_FALSE(IsWindow(gone));
}
