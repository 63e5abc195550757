// String resources: each string of the table is compiled in as a resource of
// type RT_STRING named by its id.
#pragma once

#include "platform/base/win_types.h"

inline const LPCSTR RT_STRING = reinterpret_cast<LPCSTR>(std::uintptr_t{6});

// Copies string `id` into `buffer` (truncated to size - 1), returns its length;
// 0 and an empty buffer when there is no such string.
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
