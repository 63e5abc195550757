// Internal: posting input with the key state it was produced under, and the
// host pump that the queue runs before it looks.
#pragma once

#include "platform/user/message_api.h"

namespace vandrel::user {

struct ModifierState {
    bool control = false;
    bool shift = false;
    bool alt = false;
};

// Queues an input message; GetKeyState reflects `modifiers` once it is taken.
void PostInputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      ModifierState modifiers);
// Drops everything queued for a window that is going away.
void ForgetQueuedMessages(HWND window);

}  // namespace vandrel::user
