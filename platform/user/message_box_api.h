// Message boxes, modal to the program: while one is open the program's own
// loop waits, and the window system's messages are dispatched from within.
#pragma once

#include "platform/user/user_types.h"

// The answer (IDOK, IDCANCEL, IDYES, IDNO).
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

namespace vandrel::user {

// Colours of the program's boxes and dialogs.
void SetDialogColors(COLORREF background, COLORREF text);

}  // namespace vandrel::user
