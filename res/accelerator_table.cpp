// The accelerator table, resource IDR_MAINFRAME: virtual keys that never
// flash the menu bar, letters with Ctrl.
#include <iterator>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/accelerator_api.h"
#include "res/resource.h"

namespace {

constexpr BYTE kKey = FVIRTKEY | FNOINVERT;
constexpr BYTE kCtrlKey = FVIRTKEY | FNOINVERT | FCONTROL;

const ACCEL kAccelerators[] = {
    {kCtrlKey, 'B', ID_FILE_NEXTBITMAP}, {kCtrlKey, 'D', ID_DISPLAY_DOUBLED},
    {kCtrlKey, 'J', ID_HIDDEN_TAVIK},    {kCtrlKey, 'N', ID_DISPLAY_NORMAL},
    {kCtrlKey, 'R', ID_ZORBLE_RANDOM},   {kCtrlKey, 'T', ID_AUDIO_NEXTTUNE},
    {kKey, VK_F1, ID_HELP_QUICKHELP},    {kKey, VK_F10, ID_AUDIO_NOSOUND},
    {kCtrlKey, 'W', ID_DISPLAY_WINDOW},  {kCtrlKey, 'X', ID_APP_EXIT},
    {kCtrlKey, 'Y', ID_HIDDEN_MORLO},
};

const vandrel::resources::Entry kEntries[] = {
    {nullptr, 9 /* RT_ACCELERATOR */, nullptr, IDR_MAINFRAME, kAccelerators, sizeof(kAccelerators)},
};

const bool kRegistered = [] {
    vandrel::resources::Register(AfxGetInstanceHandle(), kEntries, std::size(kEntries));
    return true;
}();

}  // namespace
