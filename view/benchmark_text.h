// The status-bar reports of the four benchmarks.
#pragma once

#include "platform/base/cstring.h"
#include "platform/base/geometry.h"

namespace vandrel::view {

// "Rendered 100 frames in 2.35 seconds (2345 ms) at 512 x 512". The seconds
// come from the milliseconds times the single-precision constant 0.001,
// which lies slightly above a thousandth, so 1,005 ms reads 1.01.
CString FrameBenchmarkText(int nFrames, DWORD dwMs, CSize size);
// "Rendered 4242 frames in 1 second (1003 ms) at 512 x 512"; "seconds"
// for any other count of seconds.
CString TimedBenchmarkText(int nFrames, int nSeconds, DWORD dwElapsedMs, CSize size);

}  // namespace vandrel::view
