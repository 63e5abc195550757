#include "platform/base/clock.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTest, FakeClockMovesOnlyWhenToldAndWraps) {
    vandrel::hooks::UseFakeClock(0xFFFFFFF0u);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFF0u);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFF0u);
    const DWORD start = timeGetTime();
    vandrel::hooks::AdvanceFakeClock(0x20);
    EXPECT_EQ(timeGetTime(), 0x10u);
    EXPECT_EQ(timeGetTime() - start, 0x20u) << "unsigned difference spans the wrap";
    vandrel::hooks::UseSystemClock();
}

TEST(ClockTest, SystemClockDoesNotGoBackwards) {
    const DWORD first = timeGetTime();
    const DWORD second = timeGetTime();
    EXPECT_LT(second - first, 1000u);
}

}  // namespace
