#include "stereo_loop.h"

#include <cmath>
#include <numbers>

namespace tunes {

void Place(StereoLoop& mix, const std::vector<double>& sound, std::int64_t start, double gain,
           double pan) {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    const double leftGain = gain * std::cos(angle);
    const double rightGain = gain * std::sin(angle);
    const auto frames = static_cast<std::int64_t>(mix.Frames());
    std::int64_t at = ((start % frames) + frames) % frames;
    for (double sample : sound) {
        mix.left[static_cast<std::size_t>(at)] += leftGain * sample;
        mix.right[static_cast<std::size_t>(at)] += rightGain * sample;
        at = at + 1 == frames ? 0 : at + 1;
    }
}

}  // namespace tunes
