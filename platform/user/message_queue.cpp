#include "platform/user/message_queue.h"

#include <deque>
#include <functional>

#include "platform/base/clock.h"
#include "platform/user/hooks.h"
#include "platform/user/qt_host.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

struct QueuedMessage {
    MSG msg;
    ModifierState modifiers;
    bool isInput;
};

struct Queue {
    std::deque<QueuedMessage> posted;
    bool quitPosted = false;
    int quitCode = 0;
    ModifierState keyState;
    std::function<void(const MSG&)> observer;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

bool Matches(const MSG& msg, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && msg.hwnd != window) {
        return false;
    }
    if (filterMin == 0 && filterMax == 0) {
        return true;
    }
    return msg.message >= filterMin && msg.message <= filterMax;
}

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{window, message, wParam, lParam, timeGetTime(), POINT{0, 0}};
}

void Post(const MSG& msg, ModifierState modifiers, bool isInput) {
    Queue& queue = TheQueue();
    if (queue.observer) {
        queue.observer(msg);
    }
    queue.posted.push_back(QueuedMessage{msg, modifiers, isInput});
}

}  // namespace

void PostInputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      ModifierState modifiers) {
    Post(MakeMessage(window, message, wParam, lParam), modifiers, true);
}

void ForgetQueuedMessages(HWND window) {
    std::erase_if(TheQueue().posted,
                  [window](const QueuedMessage& queued) { return queued.msg.hwnd == window; });
}

}  // namespace vandrel::user

namespace vandrel::hooks {

void SetPostObserver(std::function<void(const MSG&)> observer) {
    vandrel::user::TheQueue().observer = std::move(observer);
}

}  // namespace vandrel::hooks

using vandrel::user::TheQueue;

BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    vandrel::user::PumpHostEvents();
    auto& queue = TheQueue();
    const bool remove = (removeFlags & PM_REMOVE) != 0;
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (!vandrel::user::Matches(it->msg, window, filterMin, filterMax)) {
            continue;
        }
        *msg = it->msg;
        if (remove) {
            if (it->isInput) {
                queue.keyState = it->modifiers;
            }
            queue.posted.erase(it);
        }
        return TRUE;
    }
    // A paint stays "queued" until the window validates its area, as on the
    // original system; taking it out does not remove it.
    if (const HWND paint = vandrel::user::NextWindowToPaint();
        paint != nullptr &&
        vandrel::user::Matches(MSG{paint, WM_PAINT, 0, 0, 0, {}}, window, filterMin, filterMax)) {
        *msg = vandrel::user::MakeMessage(paint, WM_PAINT, 0, 0);
        return TRUE;
    }
    if (queue.quitPosted &&
        vandrel::user::Matches(MSG{nullptr, WM_QUIT, 0, 0, 0, {}}, window, filterMin, filterMax)) {
        *msg = vandrel::user::MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0);
        if (remove) {
            queue.quitPosted = false;
        }
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax) {
    while (PeekMessageA(msg, window, filterMin, filterMax, PM_REMOVE) == FALSE) {
        vandrel::user::WaitForHostEvents();
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    return msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg->hwnd == nullptr) {
        return 0;
    }
    return vandrel::user::CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == HWND_BROADCAST) {
        for (HWND topLevel : vandrel::user::TopLevelWindows()) {
            vandrel::user::Post(vandrel::user::MakeMessage(topLevel, message, wParam, lParam), {},
                                false);
        }
        return TRUE;
    }
    if (window != nullptr && vandrel::user::FindWindowRecord(window) == nullptr) {
        return FALSE;
    }
    vandrel::user::Post(vandrel::user::MakeMessage(window, message, wParam, lParam), {}, false);
    return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == HWND_BROADCAST) {
        for (HWND topLevel : vandrel::user::TopLevelWindows()) {
            vandrel::user::CallProcedure(topLevel, message, wParam, lParam);
        }
        return 0;
    }
    return vandrel::user::CallProcedure(window, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    auto& queue = TheQueue();
    if (queue.observer) {
        queue.observer(
            vandrel::user::MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0));
    }
    queue.quitPosted = true;
    queue.quitCode = exitCode;
}

short GetKeyState(int virtualKey) {
    const auto& state = TheQueue().keyState;
    bool down = false;
    switch (virtualKey) {
        case VK_CONTROL:
            down = state.control;
            break;
        case VK_SHIFT:
            down = state.shift;
            break;
        case VK_MENU:
            down = state.alt;
            break;
        default:
            break;
    }
    return down ? static_cast<short>(0x8000) : 0;
}
