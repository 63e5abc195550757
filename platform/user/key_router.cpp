#include "platform/user/key_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/user/message_queue.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

// The window a widget belongs to: the nearest widget up the tree that stands
// for one of our windows.
HWND WindowOfWidget(QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant handle = widget->property(kWindowHandleProperty);
        if (handle.isValid()) {
            return reinterpret_cast<HWND>(handle.value<quintptr>());
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return nullptr;
}

class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        const HWND window = widget != nullptr ? WindowOfWidget(widget) : nullptr;
        if (window == nullptr) {
            return false;  // menus and message boxes handle their own keys
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const int virtualKey = VirtualKeyFromQt(key->key());
        if (virtualKey == 0) {
            return false;
        }
        const Qt::KeyboardModifiers qtModifiers = key->modifiers();
        const ModifierState modifiers{(qtModifiers & Qt::ControlModifier) != 0,
                                      (qtModifiers & Qt::ShiftModifier) != 0,
                                      (qtModifiers & Qt::AltModifier) != 0};
        // F10 and anything with Alt are system keys, as they always were.
        const bool system = modifiers.alt || virtualKey == VK_F10;
        const bool down = event->type() == QEvent::KeyPress;
        UINT message = down ? WM_KEYDOWN : WM_KEYUP;
        if (system) {
            message = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
        }
        LPARAM lParam = 1;  // repeat count
        if (modifiers.alt) {
            lParam |= LPARAM{1} << 29;
        }
        if (key->isAutoRepeat()) {
            lParam |= LPARAM{1} << 30;
        }
        if (!down) {
            lParam |= LPARAM{3} << 30;
        }
        PostInputMessage(window, message, static_cast<WPARAM>(virtualKey), lParam, modifiers);
        return true;
    }
};

}  // namespace

int VirtualKeyFromQt(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return 'A' + (qtKey - Qt::Key_A);
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return '0' + (qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return VK_F1 + (qtKey - Qt::Key_F1);
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        default:
            return 0;
    }
}

void InstallKeyRouter(QApplication& application) {
    application.installEventFilter(new KeyRouter(&application));
}

}  // namespace vandrel::user
