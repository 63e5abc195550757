// Dialog templates: what a dialog box is made of, as a table the resource
// tables hold and the window system builds a dialog from. Places and sizes
// are in dialog units, which follow the dialog's font: a quarter of its
// average character width across, an eighth of its height down.
#pragma once

#include <span>

#include "platform/kernel/resources.h"
#include "platform/user/user_types.h"

inline const LPCSTR RT_DIALOG = MAKEINTRESOURCEA(5);

// Styles of dialog boxes and of their controls.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD DS_SETFONT = 0x00000040;
inline constexpr DWORD DS_MODALFRAME = 0x00000080;
inline constexpr DWORD SS_LEFT = 0x00000000;
inline constexpr DWORD SS_RIGHT = 0x00000002;
inline constexpr DWORD SS_ICON = 0x00000003;
inline constexpr DWORD SS_TYPEMASK = 0x0000001F;
inline constexpr DWORD BS_PUSHBUTTON = 0x00000000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD BS_TYPEMASK = 0x0000000F;

inline constexpr UINT WM_INITDIALOG = 0x0110;

namespace vandrel::user {

enum class DialogControlClass { Static, Button };

struct DialogControl {
    DialogControlClass controlClass;
    DWORD style;
    int id;  // -1 for a control that is never addressed
    // The control's text; for an icon (SS_ICON) the icon resource's name,
    // usually MAKEINTRESOURCEA(number).
    LPCSTR text;
    short x;
    short y;
    short cx;
    short cy;
};

struct DialogTemplate {
    DWORD style;
    // The box's place relative to its owner's client area, and the size of
    // its own client area.
    short x;
    short y;
    short cx;
    short cy;
    LPCSTR caption;
    LPCSTR fontName;  // with DS_SETFONT
    WORD pointSize;
    std::span<const DialogControl> controls;
};

}  // namespace vandrel::user
