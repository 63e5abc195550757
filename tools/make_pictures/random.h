// The painters' dice: a fixed-seed generator of our own, so every build paints
// the same stars on every machine (the standard distributions are not the same
// everywhere).
#pragma once

#include <cstdint>

namespace pictures {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        // SplitMix64.
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    float Unit() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }

    float Between(float low, float high) { return low + (high - low) * Unit(); }

private:
    std::uint64_t state_;
};

}  // namespace pictures
