// The menu bar from its resource: five popups with their items in order, no
// item grayed or checked at first, and item states reaching the menu on
// screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/menu_api.h"
#include "platform/user/window_record.h"
#include "res/resource.h"
#include "tests/user/window_recorder.h"

namespace {

std::string ItemText(HMENU menu, int position) {
    char text[128];
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

struct Item {
    UINT id;  // 0 for a separator
    const char* text;
};

}  // namespace

TEST(MenuTest, TheMenuBarHasItsFivePopupsAndTheirItems) {
    const HMENU menu = LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(menu, nullptr);
    const std::vector<std::pair<std::string, std::vector<Item>>> expected = {
        {"&File",
         {{ID_FILE_BITMAP1, "Bitmap #1"},
          {ID_FILE_BITMAP2, "Bitmap #2"},
          {ID_FILE_BITMAP3, "Bitmap #3"},
          {ID_FILE_BITMAP4, "Bitmap #4"},
          {0, ""},
          {ID_FILE_NEXTBITMAP, "Next Bitmap\tCtrl+B"},
          {0, ""},
          {ID_APP_EXIT, "E&xit\tCtrl+X"}}},
        {"&Display",
         {{ID_DISPLAY_NORMAL, "&Normal\tCtrl+N"},
          {ID_DISPLAY_DOUBLED, "&Doubled\tCtrl+D"},
          {ID_DISPLAY_WINDOW, "&Window\tCtrl+W"}}},
        {"&Zorble",
         {{ID_ZORBLE_SUBTLE, "Subtle"},
          {ID_ZORBLE_RIPPLES, "Ripples"},
          {ID_ZORBLE_WAVY, "Wavy"},
          {ID_ZORBLE_TYPHOON, "Typhoon"},
          {0, ""},
          {ID_ZORBLE_RANDOM, "&Random\tCtrl+R"}}},
        {"&Audio",
         {{ID_AUDIO_TUNE1, "Tune #&1"},
          {ID_AUDIO_TUNE2, "Tune #&2"},
          {ID_AUDIO_TUNE3, "Tune #&3"},
          {0, ""},
          {ID_AUDIO_NEXTTUNE, "Next Tune\tCtrl+T"},
          {0, ""},
          {ID_AUDIO_NOSOUND, "&No Sound\tF10"}}},
        {"&Help",
         {{ID_APP_ABOUT, "&About Vandrel 95..."},
          {ID_HELP_ABOUTMAKER, "About &KORVANTH..."},
          {0, ""},
          {ID_HELP_QUICKHELP, "&Quick Help...\tF1"}}},
    };
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    for (int popup = 0; popup < 5; ++popup) {
        const auto& [title, items] = expected[static_cast<std::size_t>(popup)];
        EXPECT_EQ(ItemText(menu, popup), title);
        const HMENU sub = GetSubMenu(menu, popup);
        ASSERT_EQ(GetMenuItemCount(sub), static_cast<int>(items.size())) << title;
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            const Item& item = items[static_cast<std::size_t>(i)];
            SCOPED_TRACE(title + " item " + std::to_string(i));
            EXPECT_EQ(GetMenuItemID(sub, i), item.id);
            const UINT state = GetMenuState(sub, static_cast<UINT>(i), MF_BYPOSITION);
            EXPECT_EQ(state, item.id == 0 ? MF_SEPARATOR : 0u) << "nothing grayed or checked";
            if (item.id != 0) {
                EXPECT_EQ(ItemText(sub, i), item.text);
            }
        }
    }
    DestroyMenu(menu);
}

TEST(MenuTest, ItemStatesReachTheMenuOnScreen) {
    vandrel::testing::OpenTestDisplay();
    vandrel::testing::WindowRecorder windows;
    const HWND frame = windows.Create();
    const HMENU menu = LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(SetMenu(frame, menu));
    const HMENU display = GetSubMenu(menu, 1);
    EnableMenuItem(display, 2, MF_BYPOSITION | MF_GRAYED);
    CheckMenuItem(display, ID_DISPLAY_DOUBLED, MF_BYCOMMAND | MF_CHECKED);
    ModifyMenuA(display, 0, MF_BYPOSITION | MF_STRING, ID_DISPLAY_NORMAL, "&Plain\tCtrl+N");

    auto* bar = vandrel::user::FindWindowRecord(frame)->widget->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 5);
    const QList<QAction*> items = bar->actions()[1]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Plain\tCtrl+N"));
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_FALSE(items[2]->isEnabled());
    EXPECT_EQ(GetMenuState(display, ID_DISPLAY_WINDOW, MF_BYCOMMAND), MF_GRAYED);
}

TEST(MenuTest, AGreyedItemStillSaysWhatItDoes) {
    vandrel::testing::OpenTestDisplay();
    vandrel::testing::WindowRecorder windows;
    const HWND frame = windows.Create();
    const HMENU menu = LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(SetMenu(frame, menu));
    EnableMenuItem(GetSubMenu(menu, 1), ID_DISPLAY_WINDOW, MF_BYCOMMAND | MF_GRAYED);
    auto* bar = vandrel::user::FindWindowRecord(frame)->widget->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QMenu* popup = bar->actions()[1]->menu();
    QAction* window = popup->actions()[2];
    ASSERT_FALSE(window->isEnabled());

    windows.messages.clear();
    popup->setActiveAction(window);
    std::vector<WPARAM> selected;
    for (const auto& m : windows.messages) {
        if (m.message == WM_MENUSELECT) {
            selected.push_back(m.wParam);
        }
    }
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(LOWORD(selected[0]), ID_DISPLAY_WINDOW);
}
