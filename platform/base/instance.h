// The program's own module. Resources are compiled into the executable, so
// its handle is a token that resource look-ups recognise, not an address
// anyone reads through.
#pragma once

#include "platform/base/win_types.h"

HINSTANCE AfxGetInstanceHandle();
