// The frame-rate measurement behind the status bar's "Fps" pane: frame steps
// counted over windows of at least three seconds.
#pragma once

#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

// Start of the current window, steps counted in it, and the rate of the last
// window that closed (-1 until one has).
extern DWORD g_dwRateStart;
extern int g_nRateFrames;
extern int g_nFrameRate;

namespace vandrel::view {

// Starts a new window now, with nothing measured yet.
void RestartFrameRate();
// Counts one frame step, closing the window once it has lasted 3,000 ms.
void CountFrameStep();
// "Fps = ?" until a window has closed, then "Fps = " and its rate.
CString FrameRateText();

}  // namespace vandrel::view
