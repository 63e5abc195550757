// The shell's tests put this recording CVandrelView in place of the real
// one: it counts what the shell asks of the view and can fail on demand.
#pragma once

#include <functional>

struct ViewCalls {
    int steps = 0;
    int pauses = 0;
    int resumes = 0;
    int driveCommands = 0;
    bool failCreate = false;           // OnCreate returns -1, with no exception
    int throwOnStep = 0;               // 1: a memory exception, 2: a resource exception
    bool throwOnDriveCommand = false;  // the drive command raises a memory exception
    std::function<void()> onStep;
};

ViewCalls& RecordedViewCalls();
