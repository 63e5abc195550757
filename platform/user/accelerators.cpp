#include "platform/kernel/resources.h"
#include "platform/user/accelerator_api.h"
#include "platform/user/message_api.h"

namespace {

bool ModifiersMatch(BYTE flags) {
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return down(VK_CONTROL) == ((flags & FCONTROL) != 0) &&
           down(VK_SHIFT) == ((flags & FSHIFT) != 0) && down(VK_MENU) == ((flags & FALT) != 0);
}

}  // namespace

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name) {
    // Tables are compiled in and live as long as the program: the resource
    // itself serves as the handle.
    return reinterpret_cast<HACCEL>(FindResourceA(instance, name, RT_ACCELERATOR));
}

int TranslateAcceleratorA(HWND window, HACCEL handle, const MSG* msg) {
    if (handle == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return 0;
    }
    const auto resource = reinterpret_cast<HRSRC>(handle);
    const auto* entries = static_cast<const ACCEL*>(LockResource(LoadResource(nullptr, resource)));
    const std::size_t count = SizeofResource(nullptr, resource) / sizeof(ACCEL);
    for (std::size_t i = 0; i < count; ++i) {
        const ACCEL& entry = entries[i];
        if ((entry.fVirt & FVIRTKEY) != 0 && entry.key == msg->wParam &&
            ModifiersMatch(entry.fVirt)) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
            return 1;
        }
    }
    return 0;
}
