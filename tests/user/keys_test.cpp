// Keys typed on a window become key messages with virtual-key codes, and
// the program's accelerator table turns them into its commands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/accelerator_api.h"
#include "platform/user/window_record.h"
#include "res/resource.h"
#include "tests/user/window_recorder.h"

using vandrel::testing::DispatchPending;
using vandrel::testing::WindowRecorder;

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        vandrel::testing::OpenTestDisplay();
        m_window = m_windows.Create();
        ShowWindow(m_window, SW_SHOW);
        DispatchPending();
        m_windows.messages.clear();
    }

    // Types a key on the window's client area and takes the message it made.
    MSG Type(int qtKey, Qt::KeyboardModifiers modifiers) {
        QWidget* widget = vandrel::user::FindWindowRecord(m_window)->clientArea;
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QCoreApplication::sendEvent(widget, &press);
        MSG msg{};
        EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
        return msg;
    }

    WindowRecorder m_windows;
    HWND m_window = nullptr;
};

TEST_F(KeysTest, KeysBecomeKeyMessagesWithTheStateOfTheirTime) {
    MSG msg = Type(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(msg.message, WM_KEYDOWN);
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('X'));
    EXPECT_EQ(msg.hwnd, m_window);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);

    msg = Type(Qt::Key_F10, Qt::NoModifier);
    EXPECT_EQ(msg.message, WM_SYSKEYDOWN) << "F10 is a system key";
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_F10));
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}

TEST_F(KeysTest, TheAcceleratorTableSendsEachCommand) {
    const HACCEL table = LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        UINT command;  // 0: no command
    };
    const Case cases[] = {
        {Qt::Key_B, Qt::ControlModifier, ID_FILE_NEXTBITMAP},
        {Qt::Key_D, Qt::ControlModifier, ID_DISPLAY_DOUBLED},
        {Qt::Key_J, Qt::ControlModifier, ID_HIDDEN_TAVIK},
        {Qt::Key_N, Qt::ControlModifier, ID_DISPLAY_NORMAL},
        {Qt::Key_R, Qt::ControlModifier, ID_ZORBLE_RANDOM},
        {Qt::Key_T, Qt::ControlModifier, ID_AUDIO_NEXTTUNE},
        {Qt::Key_F1, Qt::NoModifier, ID_HELP_QUICKHELP},
        {Qt::Key_F10, Qt::NoModifier, ID_AUDIO_NOSOUND},
        {Qt::Key_W, Qt::ControlModifier, ID_DISPLAY_WINDOW},
        {Qt::Key_X, Qt::ControlModifier, ID_APP_EXIT},
        {Qt::Key_Y, Qt::ControlModifier, ID_HIDDEN_MORLO},
        {Qt::Key_X, Qt::NoModifier, 0},
        {Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::Key_F1, Qt::ControlModifier, 0},
        {Qt::Key_Q, Qt::ControlModifier, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qtKey);
        const MSG msg = Type(c.qtKey, c.modifiers);
        m_windows.messages.clear();
        const int translated = TranslateAcceleratorA(m_window, table, &msg);
        if (c.command == 0) {
            EXPECT_EQ(translated, 0);
            EXPECT_TRUE(m_windows.messages.empty());
            continue;
        }
        EXPECT_NE(translated, 0);
        ASSERT_EQ(m_windows.messages.size(), 1u);
        EXPECT_EQ(m_windows.messages[0].message, WM_COMMAND);
        EXPECT_EQ(m_windows.messages[0].wParam, MAKEWPARAM(static_cast<WORD>(c.command), 1))
            << "the high word marks a command from an accelerator";
    }
}
