// Message boxes: the answerer hook sees every request; a real box runs its
// own loop, in which the window system's messages are still dispatched.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "platform/user/hooks.h"
#include "platform/user/message_box_api.h"
#include "tests/user/window_recorder.h"

TEST(MessageBoxTest, TheAnswererSeesTheRequestAndGivesTheAnswer) {
    std::vector<vandrel::hooks::MessageBoxRequest> requests;
    vandrel::hooks::SetMessageBoxAnswerer([&](const vandrel::hooks::MessageBoxRequest& request) {
        requests.push_back(request);
        return IDNO;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Sure?", "Title", MB_YESNO | MB_ICONQUESTION), IDNO);
    vandrel::hooks::SetMessageBoxAnswerer(nullptr);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].text, "Sure?");
    EXPECT_EQ(requests[0].caption, "Title");
    EXPECT_EQ(requests[0].type, MB_YESNO | MB_ICONQUESTION);
}

TEST(MessageBoxTest, ARealBoxKeepsDispatchingUntilItIsDismissed) {
    vandrel::testing::OpenTestDisplay();
    vandrel::testing::WindowRecorder windows;
    const HWND window = windows.Create();
    ShowWindow(window, SW_SHOW);
    vandrel::testing::DispatchPending();
    windows.messages.clear();

    QTimer::singleShot(20, [window] { PostMessageA(window, WM_USER + 9, 0, 0); });
    QTimer::singleShot(200, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    MessageBoxA(window, "Wait", "Title", MB_OK | MB_ICONINFORMATION);
    const auto received = windows.Received(window);
    EXPECT_NE(std::find(received.begin(), received.end(), WM_USER + 9u), received.end())
        << "posted while the box was open, and dispatched by the box's loop";
}
