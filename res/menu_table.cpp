// The menu bar, resource IDR_MAINFRAME. No item starts grayed or checked:
// their state comes from the update handlers as each popup opens.
#include <iterator>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/menu_api.h"
#include "res/resource.h"

namespace {

using vandrel::user::MenuTemplateItem;

constexpr WORD kPopup = MF_POPUP;
constexpr WORD kSeparator = MF_SEPARATOR;
constexpr WORD kEnd = MF_END;

const MenuTemplateItem kMainMenu[] = {
    {kPopup, 0, "&File"},
    {0, ID_FILE_BITMAP1, "Bitmap #1"},
    {0, ID_FILE_BITMAP2, "Bitmap #2"},
    {0, ID_FILE_BITMAP3, "Bitmap #3"},
    {0, ID_FILE_BITMAP4, "Bitmap #4"},
    {kSeparator, 0, ""},
    {0, ID_FILE_NEXTBITMAP, "Next Bitmap\tCtrl+B"},
    {kSeparator, 0, ""},
    {kEnd, ID_APP_EXIT, "E&xit\tCtrl+X"},

    {kPopup, 0, "&Display"},
    {0, ID_DISPLAY_NORMAL, "&Normal\tCtrl+N"},
    {0, ID_DISPLAY_DOUBLED, "&Doubled\tCtrl+D"},
    {kEnd, ID_DISPLAY_WINDOW, "&Window\tCtrl+W"},

    {kPopup, 0, "&Zorble"},
    {0, ID_ZORBLE_SUBTLE, "Subtle"},
    {0, ID_ZORBLE_RIPPLES, "Ripples"},
    {0, ID_ZORBLE_WAVY, "Wavy"},
    {0, ID_ZORBLE_TYPHOON, "Typhoon"},
    {kSeparator, 0, ""},
    {kEnd, ID_ZORBLE_RANDOM, "&Random\tCtrl+R"},

    {kPopup, 0, "&Audio"},
    {0, ID_AUDIO_TUNE1, "Tune #&1"},
    {0, ID_AUDIO_TUNE2, "Tune #&2"},
    {0, ID_AUDIO_TUNE3, "Tune #&3"},
    {kSeparator, 0, ""},
    {0, ID_AUDIO_NEXTTUNE, "Next Tune\tCtrl+T"},
    {kSeparator, 0, ""},
    {kEnd, ID_AUDIO_NOSOUND, "&No Sound\tF10"},

    {kPopup | kEnd, 0, "&Help"},
    {0, ID_APP_ABOUT, "&About Vandrel 95..."},
    {0, ID_HELP_ABOUTMAKER, "About &KORVANTH..."},
    {kSeparator, 0, ""},
    {kEnd, ID_HELP_QUICKHELP, "&Quick Help...\tF1"},
};

const vandrel::resources::Entry kEntries[] = {
    {nullptr, 4 /* RT_MENU */, nullptr, IDR_MAINFRAME, kMainMenu, sizeof(kMainMenu)},
};

const bool kRegistered = [] {
    vandrel::resources::Register(AfxGetInstanceHandle(), kEntries, std::size(kEntries));
    return true;
}();

}  // namespace
