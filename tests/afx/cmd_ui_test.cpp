// Update handlers set the state of menu items as their popup opens, and of
// toolbar buttons and status panes in the first idle pass; items whose
// command nobody handles are disabled. The message pane shows prompts while
// a menu item or button is pointed at, and the idle text otherwise.
#include <QCoreApplication>
#include <QEvent>
#include <QToolButton>

#include "platform/user/controls.h"
#include "platform/user/menu_api.h"
#include "platform/user/message_api.h"
#include "platform/user/window_record.h"
#include "res/resource.h"
#include "tests/afx/framework_fixture.h"

using vandrel::testing::FrameworkTest;
using vandrel::testing::LoggingFrame;

namespace {

void DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) {
        DispatchMessageA(&msg);
    }
}

}  // namespace

TEST_F(FrameworkTest, MenuItemsAreUpdatedAsTheirPopupOpens) {
    const HMENU menu = GetMenu(Frame()->m_hWnd);
    const HMENU display = GetSubMenu(menu, 1);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(display), 1);
    EXPECT_EQ(GetMenuState(display, ID_DISPLAY_NORMAL, MF_BYCOMMAND), 0u);
    EXPECT_EQ(GetMenuState(display, ID_DISPLAY_DOUBLED, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(GetMenuState(display, ID_DISPLAY_WINDOW, MF_BYCOMMAND), MF_GRAYED);
    const HMENU file = GetSubMenu(menu, 0);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(GetMenuState(file, ID_FILE_BITMAP1, MF_BYCOMMAND), MF_GRAYED) << "no handler";
}

TEST_F(FrameworkTest, ButtonsAndPanesAreUpdatedInTheFirstIdlePass) {
    auto* frame = static_cast<LoggingFrame*>(Frame());
    const HWND bar = frame->m_wndToolBar.m_hWnd;
    m_app.OnIdle(0);
    using State = vandrel::user::ToolBarButtonState;
    const auto state = [&](int index) { return vandrel::user::ToolBarGetButtonState(bar, index); };
    const auto same = [](State a, State b) {
        return a.enabled == b.enabled && a.checked == b.checked;
    };
    EXPECT_TRUE(same(state(0), State{true, false}));
    EXPECT_TRUE(same(state(2), State{true, true}));
    EXPECT_TRUE(same(state(3), State{false, false}));
    EXPECT_TRUE(same(state(4), State{false, false})) << "no handler";
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), CString("Fps = 42"));
    EXPECT_EQ(vandrel::user::StatusBarGetText(frame->m_wndStatusBar.m_hWnd, 1), "Fps = 42");
}

TEST_F(FrameworkTest, TheMessagePaneShowsPromptsAndOtherwiseTheIdleText) {
    auto* frame = static_cast<LoggingFrame*>(Frame());
    DispatchPending();
    const auto pane0 = [&] { return std::string(frame->m_wndStatusBar.GetPaneText(0)); };
    EXPECT_EQ(pane0(), "Vandrel 95: real-time sine wave distortion by KORVANTH");

    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_APP_EXIT, MF_HILITE), 1);
    EXPECT_EQ(pane0(), "Exit Vandrel 95") << "the prompt, without the tooltip";
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(pane0(), "Vandrel 95: real-time sine wave distortion by KORVANTH");

    // The mouse over a button and off it again.
    auto* record = vandrel::user::FindWindowRecord(frame->m_wndToolBar.m_hWnd);
    QToolButton* normal = nullptr;
    for (QToolButton* button : record->widget->findChildren<QToolButton*>()) {
        if (button->property("vandrelCommand").toUInt() == ID_DISPLAY_NORMAL) {
            normal = button;
        }
    }
    ASSERT_NE(normal, nullptr);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(normal, &enter);
    EXPECT_EQ(pane0(), "Display the bitmap at normal size");
    EXPECT_EQ(normal->toolTip(), QStringLiteral("Normal Size"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(normal, &leave);
    EXPECT_EQ(pane0(), "Vandrel 95: real-time sine wave distortion by KORVANTH");
}
