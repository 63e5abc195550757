#include "noise.h"

#include <cmath>

#include "rgb_image.h"

namespace pictures {

float TilingNoise::Lattice(int x, int y, int cells) const {
    auto ux = static_cast<std::uint32_t>(x & (cells - 1));
    auto uy = static_cast<std::uint32_t>(y & (cells - 1));
    std::uint32_t h = seed_ ^ (ux * 0x8DA6B343u) ^ (uy * 0xD8163841u) ^
                      (static_cast<std::uint32_t>(cells) * 0xCB1AB31Fu);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float TilingNoise::Value(float x, float y, int cells) const {
    float scale = static_cast<float>(cells) / static_cast<float>(kSize);
    float gx = x * scale;
    float gy = y * scale;
    float fx = std::floor(gx);
    float fy = std::floor(gy);
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    float tx = gx - fx;
    float ty = gy - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float top = Lattice(ix, iy, cells) + (Lattice(ix + 1, iy, cells) - Lattice(ix, iy, cells)) * tx;
    float bottom = Lattice(ix, iy + 1, cells) +
                   (Lattice(ix + 1, iy + 1, cells) - Lattice(ix, iy + 1, cells)) * tx;
    return top + (bottom - top) * ty;
}

float TilingNoise::Fractal(float x, float y, int cells, int octaves) const {
    float sum = 0;
    float strength = 1;
    float total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += Value(x, y, cells << octave) * strength;
        total += strength;
        strength *= 0.5f;
    }
    return sum / total;
}

}  // namespace pictures
