// The process's scheduling priority class, mapped onto the nice value: the
// high class is the host's nearest equivalent, a lower nice value, which only
// a privileged process may take; a refusal leaves the priority as it was.
#pragma once

#include "platform/base/win_types.h"

inline constexpr DWORD NORMAL_PRIORITY_CLASS = 0x00000020;
inline constexpr DWORD HIGH_PRIORITY_CLASS = 0x00000080;

HANDLE GetCurrentProcess();
// FALSE when the host refused or the class is not one of the two above.
BOOL SetPriorityClass(HANDLE process, DWORD priorityClass);
DWORD GetPriorityClass(HANDLE process);
