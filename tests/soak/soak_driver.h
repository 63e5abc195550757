// Drives one soak run from inside the program's loop: counts the frames,
// sends the changes through the main window's queue as menu items and keys
// do, samples memory and closes the program as Ctrl+X does once every frame
// has run.
#pragma once

#include <chrono>
#include <string>

#include "tests/soak/change_rotation.h"
#include "tests/soak/process_memory.h"

namespace vandrel::soak {

class SoakDriver {
public:
    SoakDriver(long frames, long baselineFrame);

    // Called just before the loop steps the view.
    void BeforeStep();

    long Frames() const { return m_frames; }
    long Commands() const { return m_commands; }
    const GrowthWatch& Resident() const { return m_resident; }
    // Has no baseline where the sanitizer's allocator is not there to ask.
    const GrowthWatch& LiveHeap() const { return m_liveHeap; }
    double ElapsedSeconds() const;
    // Why the run could not go on, or empty.
    const std::string& Failure() const { return m_failure; }

private:
    void SampleMemory(bool baseline);
    void SendChange();
    void Report() const;

    const long m_target;
    const long m_baselineFrame;
    long m_frames = 0;
    long m_commands = 0;
    bool m_exitSent = false;
    std::string m_failure;
    ChangeRotation m_rotation;
    GrowthWatch m_resident;
    GrowthWatch m_liveHeap;
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

}  // namespace vandrel::soak
