// The millisecond clock. Unsigned 32-bit and wrapping, so callers compare
// times only by unsigned difference.
#pragma once

#include "platform/base/win_types.h"

DWORD timeGetTime();

namespace vandrel::hooks {

// Replaces the system clock by a clock that moves only when a test says so.
void UseFakeClock(DWORD startMs);
void AdvanceFakeClock(DWORD ms);
void SetFakeClock(DWORD nowMs);
void UseSystemClock();

}  // namespace vandrel::hooks
