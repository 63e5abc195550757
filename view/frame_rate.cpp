#include "view/frame_rate.h"

#include <cstdint>

#include "platform/base/clock.h"

DWORD g_dwRateStart = 0;
int g_nRateFrames = 0;
int g_nFrameRate = -1;

namespace vandrel::view {
namespace {

constexpr DWORD kWindowMs = 3000;

}  // namespace

void RestartFrameRate() {
    g_dwRateStart = timeGetTime();
    g_nRateFrames = 0;
    g_nFrameRate = -1;
}

void CountFrameStep() {
    ++g_nRateFrames;
    // Unsigned difference, so the clock's wrap past 2^32 changes nothing.
    const DWORD elapsed = timeGetTime() - g_dwRateStart;
    if (elapsed < kWindowMs) {
        return;
    }
    // The window's real length, not its nominal three seconds: a modal box
    // or a benchmark can hold a window open far longer.
    g_nFrameRate = static_cast<int>(static_cast<std::uint64_t>(g_nRateFrames) * 1000 / elapsed);
    g_dwRateStart = timeGetTime();
    g_nRateFrames = 0;
}

CString FrameRateText() {
    CString text;
    if (g_nFrameRate >= 0) {
        text.Format("Fps = %i", g_nFrameRate);
    } else {
        text = "Fps = ?";
    }
    return text;
}

}  // namespace vandrel::view
