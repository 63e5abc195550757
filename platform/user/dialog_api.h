// Dialog boxes built from templates, run modally in a loop of the window
// system, and the calls on their controls.
#pragma once

#include "platform/user/dialog_template.h"
#include "platform/user/window_api.h"

// The control of `dialog` with `id`, or null.
HWND GetDlgItem(HWND dialog, int id);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
// Ends the modal loop of `dialog` with `result`; the loop returns it.
BOOL EndDialog(HWND dialog, int result);

namespace vandrel::user {

// Builds a dialog box from `dialogTemplate`: the box, hidden, placed from its
// owner's client area and sized in the units of its font; its controls; then
// WM_INITDIALOG to `procedure`, and the box shown if the template says
// visible. Icons come from `instance`'s resources. Null when it cannot be
// made.
HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialogTemplate, HWND owner,
                              WindowProcedure procedure);
// Shows `dialog` if it is hidden and runs the window system's messages until
// EndDialog, with Enter pressing the focused or default push button and
// Escape sending Cancel. The program's own loop waits meanwhile. Hides the
// box, gives activation back to its owner and returns EndDialog's result; a
// quit request ends it with IDCANCEL and is passed on. -1 for a window that
// is no dialog box.
int RunModalDialog(HWND dialog);

}  // namespace vandrel::user
