// The high priority class maps to a lower nice value where the host allows
// it; the normal class puts back the value the process started with.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "platform/kernel/process.h"

TEST(ProcessPriorityTest, HighIsRaisedWherePermittedAndNormalRestores) {
    const int original = getpriority(PRIO_PROCESS, 0);
    if (SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS)) {
        EXPECT_LT(getpriority(PRIO_PROCESS, 0), original);
        EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), HIGH_PRIORITY_CLASS);
    } else {
        EXPECT_EQ(getpriority(PRIO_PROCESS, 0), original) << "a refusal changes nothing";
    }
    EXPECT_TRUE(SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS));
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), original);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), NORMAL_PRIORITY_CLASS);
    EXPECT_FALSE(SetPriorityClass(GetCurrentProcess(), 0x40)) << "only the program's two classes";
}
