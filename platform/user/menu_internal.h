// Internal: the menu records behind HMENU and the Qt menu bar built from them.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "platform/user/menu_api.h"

namespace vandrel::user {

struct MenuRecord;

struct MenuItem {
    UINT id = 0;
    UINT flags = 0;  // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED
    std::string text;
    std::unique_ptr<MenuRecord> popup;
    QPointer<QAction> action;  // set while the menu is on screen
};

struct MenuRecord {
    std::vector<MenuItem> items;
    QPointer<QMenu> shown;  // the Qt popup of this menu while it is on screen
};

// A Qt menu bar mirroring `menu`; its commands, highlights and openings are
// sent or posted to `owner` as the original's menu messages.
QMenuBar* BuildMenuBar(HMENU menu, HWND owner);

}  // namespace vandrel::user
