// White noise for the drums. A fixed integer generator rather than the standard
// library's distributions, whose output differs between implementations: the
// tunes must come out byte for byte the same on every build machine.
#pragma once

#include <cstdint>

namespace tunes {

class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

    // Uniform in [-1, 1).
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

}  // namespace tunes
