// A picture while it is being painted: 256 x 256 colours, top row first and
// left to right, the way it is seen. Turning it into the stored form (bottom
// row first, mirrored) is the writer's business, not the painters'.
#pragma once

#include <array>
#include <cstddef>

#include "colour.h"

namespace pictures {

inline constexpr int kSize = 256;

class RgbImage {
public:
    Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }

    // Coordinates wrap, as they do in the animation, so a splash of light
    // near one edge carries on at the other.
    Rgb& Wrapped(int x, int y) { return At(x & (kSize - 1), y & (kSize - 1)); }

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kSize + x); }

    std::array<Rgb, kSize * kSize> pixels_{};
};

// Paints every pixel from a scene described in continuous coordinates
// (pixel (x, y) covers [x, x+1) x [y, y+1)), averaging samples x samples
// points per pixel so that edges come out anti-aliased.
template <typename Shader>
void Render(RgbImage& image, int samples, Shader&& shade) {
    const float step = 1.0f / static_cast<float>(samples);
    const float weight = step * step;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Rgb sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    sum += shade(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) * step,
                                 static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) * step);
                }
            }
            image.At(x, y) = sum * weight;
        }
    }
}

}  // namespace pictures
