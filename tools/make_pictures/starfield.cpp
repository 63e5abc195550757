#include "starfield.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "random.h"

namespace pictures {
namespace {

struct Star {
    float x;
    float y;
    float brightness;
    Rgb tint;
};

// Most stars are faint; a steep power of a uniform number gives the long
// tail of bright ones a real sky has.
std::vector<Star> PlaceStars(const StarfieldStyle& style) {
    Random random(style.seed);
    constexpr Rgb kTints[] = {Hex(0xFFFFFF), Hex(0xC8D8FF), Hex(0xFFF0D0), Hex(0xFFD8B0),
                              Hex(0xD8E8FF)};
    std::vector<Star> stars;
    for (int i = 0; i < style.count; ++i) {
        Star star;
        star.x = random.Between(0, kSize);
        star.y = random.Between(0, kSize);
        star.brightness = 0.15f + 0.85f * std::pow(random.Unit(), 5.0f);
        star.tint = kTints[random.Next() % std::size(kTints)];
        stars.push_back(star);
    }
    std::stable_sort(stars.begin(), stars.end(),
                     [](const Star& a, const Star& b) { return a.brightness > b.brightness; });
    return stars;
}

void AddLight(RgbImage& image, int x, int y, Rgb light) {
    Rgb& pixel = image.Wrapped(x, y);
    pixel = pixel + light;
}

}  // namespace

void ScatterStars(RgbImage& image, const StarfieldStyle& style) {
    std::vector<Star> stars = PlaceStars(style);
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const Star& star = stars[i];
        float level = star.brightness * style.brightness;
        // A small soft disc, wider for brighter stars, centred off the pixel
        // grid so the faint ones fall between pixels and twinkle unevenly.
        float radius = 0.55f + 0.9f * star.brightness;
        int reach = static_cast<int>(std::ceil(radius * 2));
        int cx = static_cast<int>(std::floor(star.x));
        int cy = static_cast<int>(std::floor(star.y));
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                float px = static_cast<float>(cx + dx) + 0.5f - star.x;
                float py = static_cast<float>(cy + dy) + 0.5f - star.y;
                float falloff = std::exp(-(px * px + py * py) / (radius * radius));
                AddLight(image, cx + dx, cy + dy, star.tint * (level * falloff));
            }
        }
        if (static_cast<int>(i) < style.glinting) {
            int arm = static_cast<int>(4 + 8 * star.brightness);
            for (int k = 1; k <= arm; ++k) {
                float fade = level * 0.55f * std::pow(1 - static_cast<float>(k) / (arm + 1), 1.5f);
                Rgb light = star.tint * fade;
                AddLight(image, cx + k, cy, light);
                AddLight(image, cx - k, cy, light);
                AddLight(image, cx, cy + k, light);
                AddLight(image, cx, cy - k, light);
            }
        }
    }
}

}  // namespace pictures
