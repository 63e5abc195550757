#include "echo.h"

#include <vector>

namespace tunes {

void AddPingPongEcho(const StereoLoop& send, std::size_t delayFrames, double feedback, double level,
                     StereoLoop& mix) {
    const std::size_t frames = send.Frames();
    std::vector<double> left(frames, 0.0);
    std::vector<double> right(frames, 0.0);
    // The first pass cannot see the repeats that wrap round from the end of
    // the loop; the second can. What the second still misses has been through
    // the feedback once per delay over the whole loop, dozens of times, and is
    // far below the smallest 8-bit step.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < frames; ++i) {
            const std::size_t from = (i + frames - delayFrames % frames) % frames;
            const double input = 0.5 * (send.left[from] + send.right[from]);
            left[i] = input + feedback * right[from];
            right[i] = feedback * left[from];
        }
    }
    for (std::size_t i = 0; i < frames; ++i) {
        mix.left[i] += level * left[i];
        mix.right[i] += level * right[i];
    }
}

}  // namespace tunes
