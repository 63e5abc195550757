// Menus under the original names. A menu resource is compiled in as an
// array of MenuTemplateItem in the original's order: a popup (MF_POPUP) is
// followed by its items, and the last item of each level carries MF_END.
#pragma once

#include "platform/user/user_types.h"

namespace vandrel::user {

struct MenuTemplateItem {
    WORD flags;  // MF_POPUP, MF_SEPARATOR, MF_END
    WORD id;     // command id; 0 for popups and separators
    const char* text;
};

}  // namespace vandrel::user

inline const LPCSTR RT_MENU = reinterpret_cast<LPCSTR>(std::uintptr_t{4});

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);
BOOL DestroyMenu(HMENU menu);
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
// The item's command id; 0 for a separator, -1 (as UINT) for a popup.
UINT GetMenuItemID(HMENU menu, int position);
// MF_GRAYED, MF_CHECKED, MF_SEPARATOR and MF_POPUP of an item; -1 (as UINT)
// when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);
// Previous state, or -1 (as UINT) when there is no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
// Only new text for an existing item (MF_STRING) is supported.
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT newId, LPCSTR text);
