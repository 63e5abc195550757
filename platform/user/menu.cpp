#include <QProxyStyle>
#include <cstring>

#include "platform/kernel/resources.h"
#include "platform/user/menu_internal.h"
#include "platform/user/message_api.h"

namespace vandrel::user {
namespace {

MenuRecord* Record(HMENU menu) {
    return reinterpret_cast<MenuRecord*>(menu);
}

HMENU Handle(MenuRecord* record) {
    return reinterpret_cast<HMENU>(record);
}

// Greyed items take the highlight like any other, so that the status bar
// still explains what they would do.
class MenuStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One for every menu, living as long as the program.
QStyle* SharedMenuStyle() {
    static auto* style = new MenuStyle;
    return style;
}

// Reads one level of the template; returns the position after it.
std::size_t ReadLevel(const MenuTemplateItem* items, std::size_t count, std::size_t at,
                      MenuRecord& into) {
    while (at < count) {
        const MenuTemplateItem& source = items[at++];
        MenuItem item;
        item.flags = source.flags & (MF_POPUP | MF_SEPARATOR | MF_GRAYED | MF_CHECKED);
        item.id = source.id;
        item.text = source.text != nullptr ? source.text : "";
        if ((source.flags & MF_POPUP) != 0) {
            item.popup = std::make_unique<MenuRecord>();
            at = ReadLevel(items, count, at, *item.popup);
        }
        into.items.push_back(std::move(item));
        if ((source.flags & MF_END) != 0) {
            break;
        }
    }
    return at;
}

MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
    MenuRecord* record = Record(menu);
    if (record == nullptr) {
        return nullptr;
    }
    if ((flags & MF_BYPOSITION) != 0) {
        return item < record->items.size() ? &record->items[item] : nullptr;
    }
    for (MenuItem& candidate : record->items) {
        if (candidate.popup != nullptr) {
            if (MenuItem* found = FindItem(Handle(candidate.popup.get()), item, flags)) {
                return found;
            }
        } else if (candidate.id == item && (candidate.flags & MF_SEPARATOR) == 0) {
            return &candidate;
        }
    }
    return nullptr;
}

void ApplyState(MenuItem& item) {
    if (item.action == nullptr) {
        return;
    }
    item.action->setEnabled((item.flags & MF_GRAYED) == 0);
    const bool checked = (item.flags & MF_CHECKED) != 0;
    item.action->setCheckable(checked);
    item.action->setChecked(checked);
    item.action->setText(QString::fromLocal8Bit(item.text.c_str()));
}

WPARAM SelectParam(UINT idOrPosition, UINT flags) {
    return MAKEWPARAM(static_cast<WORD>(idOrPosition), static_cast<WORD>(flags));
}

void FillPopup(QMenu& qmenu, MenuRecord& record, HWND owner) {
    record.shown = &qmenu;
    qmenu.setStyle(SharedMenuStyle());
    for (std::size_t position = 0; position < record.items.size(); ++position) {
        MenuItem& item = record.items[position];
        if ((item.flags & MF_SEPARATOR) != 0) {
            item.action = qmenu.addSeparator();
            continue;
        }
        if (item.popup != nullptr) {
            QMenu* sub = qmenu.addMenu(QString::fromLocal8Bit(item.text.c_str()));
            item.action = sub->menuAction();
            FillPopup(*sub, *item.popup, owner);
            continue;
        }
        item.action = qmenu.addAction(QString::fromLocal8Bit(item.text.c_str()));
        const UINT id = item.id;
        const HMENU handle = Handle(&record);
        QObject::connect(item.action, &QAction::triggered, [owner, id] {
            PostMessageA(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
        });
        QObject::connect(item.action, &QAction::hovered, [owner, id, handle] {
            SendMessageA(owner, WM_MENUSELECT, SelectParam(id, MF_HILITE),
                         reinterpret_cast<LPARAM>(handle));
        });
        ApplyState(item);
    }
}

}  // namespace

QMenuBar* BuildMenuBar(HMENU menu, HWND owner) {
    auto* bar = new QMenuBar;
    MenuRecord* record = Record(menu);
    for (std::size_t position = 0; position < record->items.size(); ++position) {
        MenuItem& item = record->items[position];
        if (item.popup == nullptr) {
            continue;  // the bar holds popups only
        }
        QMenu* popup = bar->addMenu(QString::fromLocal8Bit(item.text.c_str()));
        item.action = popup->menuAction();
        FillPopup(*popup, *item.popup, owner);
        const HMENU handle = Handle(item.popup.get());
        const auto index = static_cast<LPARAM>(position);
        // The owner brings the items up to date as the popup opens, and puts
        // its idle text back when it closes.
        QObject::connect(popup, &QMenu::aboutToShow, [owner, handle, index] {
            SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(handle), index);
        });
        QObject::connect(popup, &QMenu::aboutToHide, [owner] {
            SendMessageA(owner, WM_MENUSELECT, SelectParam(0, 0xFFFF), 0);
        });
    }
    return bar;
}

}  // namespace vandrel::user

using vandrel::user::FindItem;
using vandrel::user::MenuItem;
using vandrel::user::MenuRecord;

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name) {
    const HRSRC resource = FindResourceA(instance, name, RT_MENU);
    if (resource == nullptr) {
        return nullptr;
    }
    const auto* items = static_cast<const vandrel::user::MenuTemplateItem*>(
        LockResource(LoadResource(instance, resource)));
    const std::size_t count =
        SizeofResource(instance, resource) / sizeof(vandrel::user::MenuTemplateItem);
    auto* record = new MenuRecord;
    vandrel::user::ReadLevel(items, count, 0, *record);
    return vandrel::user::Handle(record);
}

BOOL DestroyMenu(HMENU menu) {
    if (menu == nullptr) {
        return FALSE;
    }
    delete vandrel::user::Record(menu);
    return TRUE;
}

HMENU GetSubMenu(HMENU menu, int position) {
    MenuItem* item = FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return item != nullptr ? vandrel::user::Handle(item->popup.get()) : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    const MenuRecord* record = vandrel::user::Record(menu);
    return record != nullptr ? static_cast<int>(record->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuItem* item = FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (item == nullptr || item->popup != nullptr) {
        return static_cast<UINT>(-1);
    }
    return item->id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const MenuItem* found = FindItem(menu, item, flags);
    return found != nullptr ? found->flags : static_cast<UINT>(-1);
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
    const MenuItem* found = FindItem(menu, item, flags);
    if (found == nullptr || size <= 0) {
        return 0;
    }
    const int count = std::min(size - 1, static_cast<int>(found->text.size()));
    std::memcpy(buffer, found->text.data(), static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return count;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* found = FindItem(menu, item, enable);
    if (found == nullptr) {
        return static_cast<UINT>(-1);
    }
    const UINT previous = found->flags & (MF_GRAYED | MF_DISABLED);
    found->flags =
        (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    vandrel::user::ApplyState(*found);
    return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItem* found = FindItem(menu, item, check);
    if (found == nullptr) {
        return static_cast<DWORD>(-1);
    }
    const DWORD previous = found->flags & MF_CHECKED;
    found->flags = (found->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    vandrel::user::ApplyState(*found);
    return previous;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT /*newId*/, LPCSTR text) {
    MenuItem* found = FindItem(menu, position, flags);
    if (found == nullptr || text == nullptr) {
        return FALSE;
    }
    found->text = text;
    vandrel::user::ApplyState(*found);
    return TRUE;
}
