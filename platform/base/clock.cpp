#include "platform/base/clock.h"

#include <ctime>

namespace {

bool g_fakeClockActive = false;
DWORD g_fakeNowMs = 0;

DWORD MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    // Truncation to 32 bits is the wrap-around the program is written for.
    const auto ms = static_cast<unsigned long long>(now.tv_sec) * 1000ULL +
                    static_cast<unsigned long long>(now.tv_nsec) / 1000000ULL;
    return static_cast<DWORD>(ms);
}

}  // namespace

DWORD timeGetTime() {
    return g_fakeClockActive ? g_fakeNowMs : MonotonicMilliseconds();
}

namespace vandrel::hooks {

void UseFakeClock(DWORD startMs) {
    g_fakeClockActive = true;
    g_fakeNowMs = startMs;
}

void AdvanceFakeClock(DWORD ms) {
    g_fakeNowMs += ms;
}

void SetFakeClock(DWORD nowMs) {
    g_fakeNowMs = nowMs;
}

void UseSystemClock() {
    g_fakeClockActive = false;
}

}  // namespace vandrel::hooks
