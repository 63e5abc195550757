// Windows as a tree: child rectangles relative to the parent's client area,
// sizes reported as they change, visibility through the ancestors, and the
// order of the destruction messages.
#include <gtest/gtest.h>

#include "platform/base/geometry.h"
#include "tests/user/window_recorder.h"

using vandrel::testing::DispatchPending;
using vandrel::testing::WindowRecorder;

class WindowTreeTest : public ::testing::Test {
protected:
    void SetUp() override { vandrel::testing::OpenTestDisplay(); }

    WindowRecorder m_windows;
};

TEST_F(WindowTreeTest, ChildRectanglesAreInTheParentsClientArea) {
    const HWND frame = m_windows.Create(nullptr, RECT{40, 30, 440, 330});
    ShowWindow(frame, SW_SHOW);
    DispatchPending();
    const HWND child = m_windows.Create(frame, RECT{10, 20, 110, 70});

    CRect client;
    GetClientRect(child, &client);
    EXPECT_EQ(client, CRect(0, 0, 100, 50));
    CRect frameRect;
    GetWindowRect(frame, &frameRect);
    CRect childRect;
    GetWindowRect(child, &childRect);
    CRect frameClient;
    GetClientRect(frame, &frameClient);
    // No menu: the client area starts at the frame's inner top left.
    EXPECT_EQ(childRect.Size(), CSize(100, 50));
    EXPECT_EQ(childRect.left - frameRect.left, 10 + (frameRect.Width() - frameClient.Width()) / 2);

    m_windows.messages.clear();
    MoveWindow(child, 5, 5, 60, 40, TRUE);
    ASSERT_EQ(m_windows.Received(child), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(m_windows.messages.back().lParam, (40 << 16) | 60);
    MoveWindow(child, 7, 7, 60, 40, TRUE);
    EXPECT_EQ(m_windows.Received(child), (std::vector<UINT>{WM_SIZE})) << "no new size, no WM_SIZE";
}

TEST_F(WindowTreeTest, AWindowShowsOnlyWhenAllItsAncestorsShow) {
    const HWND frame = m_windows.Create();
    const HWND child = m_windows.Create(frame);
    EXPECT_FALSE(IsWindowVisible(child)) << "the frame is hidden";
    ShowWindow(frame, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
    ShowWindow(child, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(IsWindowVisible(frame));
}

TEST_F(WindowTreeTest, DestructionTellsTheParentFirstAndFinishesWithIt) {
    const HWND frame = m_windows.Create();
    const HWND child = m_windows.Create(frame);
    m_windows.messages.clear();
    DestroyWindow(frame);
    std::vector<std::pair<HWND, UINT>> order;
    for (const auto& m : m_windows.messages) {
        order.emplace_back(m.window, m.message);
    }
    EXPECT_EQ(order, (std::vector<std::pair<HWND, UINT>>{{frame, WM_DESTROY},
                                                         {child, WM_DESTROY},
                                                         {child, WM_NCDESTROY},
                                                         {frame, WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowTreeTest, AFailedCreationLeavesNoWindow) {
    CREATESTRUCT cs{};
    cs.style = static_cast<LONG>(WS_OVERLAPPEDWINDOW);
    cs.cx = 100;
    cs.cy = 100;
    std::vector<UINT> received;
    const HWND window = vandrel::user::CreateWindowObject(
        cs, vandrel::user::WindowKind::Frame,
        [&](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            received.push_back(message);
            return message == WM_CREATE ? -1 : DefWindowProcA(hWnd, message, wParam, lParam);
        });
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(received, (std::vector<UINT>{WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
}
