#include "platform/kernel/process.h"

#include <sys/resource.h>

#include <cerrno>
#include <optional>

namespace {

// How much the high class lowers the nice value of the normal class.
constexpr int kHighPriorityBoost = 10;

// The nice value the process had before its first change: the normal class
// is that value, so "back to normal" puts back what the process started with.
std::optional<int> g_normalNice;
DWORD g_class = NORMAL_PRIORITY_CLASS;

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

bool CurrentNice(int* nice) {
    errno = 0;
    const int value = getpriority(PRIO_PROCESS, 0);
    if (value == -1 && errno != 0) {
        return false;
    }
    *nice = value;
    return true;
}

}  // namespace

HANDLE GetCurrentProcess() {
    return kCurrentProcess;
}

BOOL SetPriorityClass(HANDLE process, DWORD priorityClass) {
    if (process != kCurrentProcess ||
        (priorityClass != NORMAL_PRIORITY_CLASS && priorityClass != HIGH_PRIORITY_CLASS)) {
        return FALSE;
    }
    if (!g_normalNice) {
        int nice = 0;
        if (!CurrentNice(&nice)) {
            return FALSE;
        }
        g_normalNice = nice;
    }
    const int wanted =
        priorityClass == HIGH_PRIORITY_CLASS ? *g_normalNice - kHighPriorityBoost : *g_normalNice;
    if (setpriority(PRIO_PROCESS, 0, wanted) != 0) {
        return FALSE;
    }
    g_class = priorityClass;
    return TRUE;
}

DWORD GetPriorityClass(HANDLE process) {
    return process == kCurrentProcess ? g_class : 0;
}
