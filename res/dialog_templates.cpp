// The three dialog templates: the About box, the About-maker box and the
// Quick Help box. Places and sizes are in dialog units of their font.
#include <iterator>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/dialog_template.h"
#include "res/resource.h"

namespace {

using vandrel::user::DialogControl;
using vandrel::user::DialogControlClass;
using vandrel::user::DialogTemplate;

constexpr DialogControlClass kStatic = DialogControlClass::Static;
constexpr DialogControlClass kButton = DialogControlClass::Button;

// The usual id of a static control that nothing addresses.
constexpr int kUnaddressed = -1;

constexpr DWORD kText = SS_LEFT | WS_VISIBLE | WS_GROUP;
constexpr DWORD kRightText = SS_RIGHT | WS_VISIBLE | WS_GROUP;
constexpr DWORD kIcon = SS_ICON | WS_VISIBLE;
constexpr DWORD kOkButton = BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP;

const LPCSTR kAppIcon = MAKEINTRESOURCEA(IDR_MAINFRAME);
const LPCSTR kMakerEmblem = MAKEINTRESOURCEA(IDI_MAKER);

const DialogControl kAboutControls[] = {
    {kStatic, kIcon, kUnaddressed, kAppIcon, 11, 17, 18, 20},
    {kStatic, kText, kUnaddressed, "Vandrel 95", 40, 10, 119, 8},
    {kStatic, kText, kUnaddressed, "(Originally from The KORVANTH CD)", 40, 25, 119, 8},
    {kStatic, kText, kUnaddressed, "Copyright (c) 1995 KORVANTH", 40, 40, 119, 8},
    {kStatic, kText, IDC_WING_STATUS, "", 40, 55, 121, 20},
    {kButton, kOkButton | WS_GROUP, IDOK, "OK", 176, 6, 32, 14},
};

const DialogTemplate kAboutBox = {
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    34,
    22,
    216,
    80,
    "About Vandrel 95",
    "MS Sans Serif",
    8,
    kAboutControls,
};

const DialogControl kAboutMakerControls[] = {
    {kStatic, kIcon, IDC_MAKER_EMBLEM, kMakerEmblem, 11, 12, 18, 20},
    {kStatic, kText, kUnaddressed, "Questions?  Please contact us:", 36, 15, 119, 8},
    {kStatic, kText, kUnaddressed, "KORVANTH Software, Inc.", 36, 35, 119, 8},
    {kStatic, kText, kUnaddressed, "1417 Quarry Mill Road", 36, 45, 119, 8},
    {kStatic, kText, kUnaddressed, "Halvard Springs, MN 55999", 36, 55, 119, 8},
    {kStatic, kText, kUnaddressed, "Tel 555-0142  Fax 555-0143", 36, 65, 119, 8},
    {kStatic, kRightText, kUnaddressed, "email:", 32, 85, 25, 8},
    {kStatic, kText, kUnaddressed, "info@korvanth.example", 64, 85, 119, 8},
    {kStatic, kRightText, kUnaddressed, "ftp:", 32, 95, 25, 8},
    {kStatic, kText, kUnaddressed, "ftp.korvanth.example", 64, 95, 119, 8},
    {kStatic, kRightText, kUnaddressed, "www:", 32, 105, 25, 8},
    {kStatic, kText, kUnaddressed, "www.korvanth.example", 64, 105, 119, 8},
    {kButton, kOkButton | WS_GROUP, IDOK, "OK", 162, 8, 32, 14},
};

const DialogTemplate kAboutMakerBox = {
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    32,
    64,
    200,
    130,
    "About KORVANTH",
    "MS Sans Serif",
    8,
    kAboutMakerControls,
};

const DialogControl kQuickHelpControls[] = {
    {kStatic, kText, kUnaddressed,
     "Vandrel 95 applies sine wave distortion to bitmaps in real-time.", 10, 12, 180, 22},
    {kStatic, kText, kUnaddressed,
     "Use the toolbar or menu items to change the display size, bitmap, zorble type, or audio "
     "tune.\n\nYou can exit at any time by pressing Ctrl+X or selecting 'exit'.",
     10, 40, 180, 44},
    {kButton, kOkButton, IDOK, "OK", 72, 90, 50, 14},
};

// No system menu, so no close box: OK, Enter or Escape closes it.
const DialogTemplate kQuickHelpBox = {
    WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
    64,
    64,
    195,
    110,
    "Quick Help",
    "MS Sans Serif",
    8,
    kQuickHelpControls,
};

const vandrel::resources::Entry kEntries[] = {
    {nullptr, 5 /* RT_DIALOG */, nullptr, IDD_ABOUTBOX, &kAboutBox, sizeof(kAboutBox)},
    {nullptr, 5 /* RT_DIALOG */, nullptr, IDD_ABOUTMAKER, &kAboutMakerBox, sizeof(kAboutMakerBox)},
    {nullptr, 5 /* RT_DIALOG */, nullptr, IDD_QUICKHELP, &kQuickHelpBox, sizeof(kQuickHelpBox)},
};

const bool kRegistered = [] {
    vandrel::resources::Register(AfxGetInstanceHandle(), kEntries, std::size(kEntries));
    return true;
}();

}  // namespace
