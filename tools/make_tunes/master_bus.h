// The last stage of every tune: from the floating-point mix to 8-bit samples.
#pragma once

#include <cstdint>
#include <vector>

#include "stereo_loop.h"

namespace tunes {

// Interleaved unsigned 8-bit frames, left first. The mix loses its DC, is
// levelled so that its loudest moment sits in a soft limiter's knee, and
// stays clear of 0 and 255: nothing ever clips.
std::vector<std::uint8_t> MasterTo8Bit(StereoLoop mix);

}  // namespace tunes
