// Commands go to the view, then its document, then the frame, then the
// application; the first with a handler runs it. A menu or key command that
// its update handler disables is dropped.
#include "platform/afx/cmd_ui.h"
#include "platform/user/message_queue.h"
#include "res/resource.h"
#include "tests/afx/framework_fixture.h"

using vandrel::testing::FrameworkTest;
using vandrel::testing::HandlerLog;

TEST_F(FrameworkTest, TheFirstTargetWithAHandlerRunsTheCommand) {
    struct Case {
        UINT id;
        const char* runner;  // null: nobody handles it
    };
    const Case cases[] = {
        {vandrel::testing::kAllHandle, "view"},
        {vandrel::testing::kDocFrameAppHandle, "document"},
        {vandrel::testing::kFrameAppHandle, "frame"},
        {vandrel::testing::kAppHandles, "application"},
        {vandrel::testing::kNobodyHandles, nullptr},
    };
    for (const Case& c : cases) {
        HandlerLog().clear();
        const BOOL handled = Frame()->OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr);
        if (c.runner == nullptr) {
            EXPECT_FALSE(handled);
            EXPECT_TRUE(HandlerLog().empty());
        } else {
            EXPECT_TRUE(handled) << c.id;
            EXPECT_EQ(HandlerLog(), std::vector<std::string>{c.runner}) << c.id;
        }
    }
}

TEST_F(FrameworkTest, ACommandDisabledByItsUpdateHandlerIsDroppedFromMenusAndKeys) {
    Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISPLAY_WINDOW, 1), 0);
    Frame()->SendMessage(WM_COMMAND, ID_DISPLAY_WINDOW, 0);
    EXPECT_TRUE(HandlerLog().empty());
    Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISPLAY_NORMAL, 1), 0);
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"normal"});
}

TEST_F(FrameworkTest, KeysReachTheFramesAcceleratorsFromAnyChild) {
    // Ctrl+N typed while the view has the focus.
    MSG msg{Frame()->GetActiveView()->m_hWnd, WM_KEYDOWN, 'N', 1, 0, {}};
    // The key state comes with the message as it is taken from the queue.
    vandrel::user::PostInputMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam,
                                    {true, false, false});
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"normal"});
}
