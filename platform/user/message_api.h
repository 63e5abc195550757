// The thread's message queue under the original names. Posted messages come
// out in order; WM_PAINT is made up for a window with an invalid area only
// when nothing is posted; WM_QUIT comes last. Looking at the queue first lets
// the window system deliver what it has pending, which becomes messages.
#pragma once

#include "platform/user/user_types.h"

BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
// The waiting form: blocks until a message arrives; FALSE for WM_QUIT.
BOOL GetMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax);
// Key messages need no further translation here: nothing in the program reads
// character messages, so none are produced. Nonzero for a key message.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// HWND_BROADCAST sends to every top-level window in turn and returns 0.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// The state of a key as of the last message taken from the queue: the high
// bit is set while it is down. Ctrl, Shift and Alt are tracked.
short GetKeyState(int virtualKey);
