// Soft cloudy noise for nebulae, skies and water. It repeats every 256
// pixels both ways, so it wraps without a seam when the wave pulls the
// picture around its edges.
#pragma once

#include <cstdint>

namespace pictures {

class TilingNoise {
public:
    explicit TilingNoise(std::uint32_t seed) : seed_(seed) {}

    // Smooth value noise with `cells` lattice cells across the 256 pixels
    // (a power of two), from 0 to 1.
    float Value(float x, float y, int cells) const;

    // Several octaves added, from `cells` upwards, each half as strong and
    // twice as fine as the one before; from 0 to 1.
    float Fractal(float x, float y, int cells, int octaves) const;

private:
    float Lattice(int x, int y, int cells) const;

    std::uint32_t seed_;
};

}  // namespace pictures
