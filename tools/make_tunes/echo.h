// The echo that leads and stabs are sent to.
#pragma once

#include <cstddef>

#include "stereo_loop.h"

namespace tunes {

// Adds to `mix` a ping-pong echo of `send`: the first repeat on the left, the
// next on the right and so on, each `feedback` times the one before.
// Computed round the loop, so the echoes of the last bar fall on the first.
void AddPingPongEcho(const StereoLoop& send, std::size_t delayFrames, double feedback, double level,
                     StereoLoop& mix);

}  // namespace tunes
