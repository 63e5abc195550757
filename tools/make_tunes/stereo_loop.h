// The mix of a tune: one loop's worth of stereo frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tunes {

struct StereoLoop {
    explicit StereoLoop(std::size_t frames) : left(frames, 0.0), right(frames, 0.0) {}

    std::size_t Frames() const { return left.size(); }

    std::vector<double> left;
    std::vector<double> right;
};

// Adds a mono sound from frame `start` on, at `gain`, placed by `pan` from -1
// (left) through 0 (centre) to 1 (right) at constant power. What runs past
// the end wraps round to the start: the tails of the last notes then sound
// over the first ones exactly as they do when the tune repeats, and the seam
// cannot click.
void Place(StereoLoop& mix, const std::vector<double>& sound, std::int64_t start, double gain,
           double pan);

}  // namespace tunes
