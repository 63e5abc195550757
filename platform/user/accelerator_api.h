// Accelerator tables. A table resource is compiled in as an array of ACCEL.
#pragma once

#include "platform/user/user_types.h"

struct ACCEL {
    BYTE fVirt;  // FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT
    WORD key;
    WORD cmd;
};

inline const LPCSTR RT_ACCELERATOR = reinterpret_cast<LPCSTR>(std::uintptr_t{9});

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name);
// Sends WM_COMMAND (high word 1) to `window` for a key message that matches
// an entry, and then returns nonzero.
int TranslateAcceleratorA(HWND window, HACCEL table, const MSG* msg);
