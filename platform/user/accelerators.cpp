#include "platform/kernel/resources.h"
#include "platform/user/accelerator_api.h"
#include "platform/user/message_api.h"

namespace {

struct Table {
    const ACCEL* entries;
    std::size_t count;
};

bool ModifiersMatch(BYTE flags) {
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return down(VK_CONTROL) == ((flags & FCONTROL) != 0) &&
           down(VK_SHIFT) == ((flags & FSHIFT) != 0) && down(VK_MENU) == ((flags & FALT) != 0);
}

}  // namespace

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name) {
    const HRSRC resource = FindResourceA(instance, name, RT_ACCELERATOR);
    if (resource == nullptr) {
        return nullptr;
    }
    // Tables are compiled in and live as long as the program: one small
    // record per load is all a handle needs.
    auto* table =
        new Table{static_cast<const ACCEL*>(LockResource(LoadResource(instance, resource))),
                  SizeofResource(instance, resource) / sizeof(ACCEL)};
    return reinterpret_cast<HACCEL>(table);
}

int TranslateAcceleratorA(HWND window, HACCEL handle, const MSG* msg) {
    if (handle == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return 0;
    }
    const auto* table = reinterpret_cast<const Table*>(handle);
    for (std::size_t i = 0; i < table->count; ++i) {
        const ACCEL& entry = table->entries[i];
        if ((entry.fVirt & FVIRTKEY) != 0 && entry.key == msg->wParam &&
            ModifiersMatch(entry.fVirt)) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
            return 1;
        }
    }
    return 0;
}
