// The modal loop of dialog boxes and the keys a dialog box keeps to itself.
#include "platform/user/dialog_api.h"
#include "platform/user/dialog_widgets.h"
#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"

namespace vandrel::user {
namespace {

DialogWidget* DialogOf(HWND dialog) {
    const WindowRecord* record = FindWindowRecord(dialog);
    return record != nullptr ? dynamic_cast<DialogWidget*>(record->widget.data()) : nullptr;
}

HWND FirstTabStop(HWND dialog) {
    for (HWND child : ChildWindows(dialog)) {
        if ((FindWindowRecord(child)->style & WS_TABSTOP) != 0 && IsWindowVisible(child)) {
            return child;
        }
    }
    return nullptr;
}

// Enter presses the push button that has the focus, else the default one,
// else stands for OK.
int CommandForEnter(HWND dialog, HWND from) {
    if (const WindowRecord* focused = FindWindowRecord(from);
        focused != nullptr && IsPushButton(*focused)) {
        return focused->id;
    }
    for (HWND child : ChildWindows(dialog)) {
        if (const WindowRecord* control = FindWindowRecord(child); IsDefaultPushButton(*control)) {
            return control->id;
        }
    }
    return IDOK;
}

// Enter, Escape, and Space on a push button become the dialog's commands;
// TRUE when `msg` was one of them (up or down) and needs no dispatching.
bool HandleDialogKey(HWND dialog, const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) {
        return false;
    }
    if (msg.hwnd != dialog && GetParent(msg.hwnd) != dialog) {
        return false;
    }
    const WindowRecord* from = FindWindowRecord(msg.hwnd);
    int command = 0;
    switch (msg.wParam) {
        case VK_RETURN:
            command = CommandForEnter(dialog, msg.hwnd);
            break;
        case VK_ESCAPE:
            command = IDCANCEL;
            break;
        case VK_SPACE:
            if (from == nullptr || !IsPushButton(*from)) {
                return false;
            }
            command = from->id;
            break;
        default:
            return false;
    }
    if (msg.message == WM_KEYDOWN) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
    }
    return true;
}

}  // namespace

int RunModalDialog(HWND dialog) {
    DialogWidget* widget = DialogOf(dialog);
    if (widget == nullptr) {
        return -1;
    }
    if (IsWindowVisible(dialog) == FALSE) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    if (const HWND first = FirstTabStop(dialog)) {
        FindWindowRecord(first)->widget->setFocus();
    }
    MSG msg{};
    while (IsWindow(dialog) != FALSE && !widget->Ended()) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) == FALSE) {
            WaitForHostEvents();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            widget->End(IDCANCEL);
            break;
        }
        if (!HandleDialogKey(dialog, msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (IsWindow(dialog) == FALSE) {
        return -1;  // destroyed from within its own loop
    }
    ShowWindow(dialog, SW_HIDE);
    if (QWidget* owner = widget->parentWidget()) {
        owner->activateWindow();
    }
    return widget->Result();
}

}  // namespace vandrel::user

using vandrel::user::FindWindowRecord;

HWND GetDlgItem(HWND dialog, int id) {
    for (HWND child : vandrel::user::ChildWindows(dialog)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
    }
    return nullptr;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    vandrel::user::WindowRecord* control = FindWindowRecord(GetDlgItem(dialog, id));
    if (control == nullptr) {
        return FALSE;
    }
    control->text = text != nullptr ? text : "";
    vandrel::user::ShowControlText(*control);
    return TRUE;
}

BOOL EndDialog(HWND dialog, int result) {
    vandrel::user::DialogWidget* widget = vandrel::user::DialogOf(dialog);
    if (widget == nullptr) {
        return FALSE;
    }
    widget->End(result);
    return TRUE;
}
