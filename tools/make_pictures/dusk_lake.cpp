// Hidden picture "TAVIK": the sun going down behind the hills over a still
// lake, pines on the shore and a light on in a cabin. Hills and water are
// made of tiling noise, so the skyline joins up when the wave wraps it.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"
#include "shapes.h"
#include "starfield.h"

namespace pictures {
namespace {

constexpr float kWaterline = 152;
constexpr Vec2 kSun{158, 128};
constexpr float kSunRadius = 22;
constexpr Vec2 kCabin{206, 226};

struct Land {
    TilingNoise far{0xD05Cu};
    TilingNoise near{0x417Eu};
    TilingNoise shore{0x5A0Du};
    TilingNoise clouds{0xC10Du};
    TilingNoise ripples{0x3177u};

    // Skyline heights above the waterline, one value per column.
    float FarRidge(float x) const {
        return kWaterline - 8 - 62 * std::pow(far.Fractal(x, 17, 4, 5), 1.7f);
    }
    float NearRidge(float x) const {
        return kWaterline + 1 - 34 * std::pow(near.Fractal(x, 91, 4, 4), 2.0f);
    }
    float Shoreline(float x) const { return 214 + 22 * shore.Fractal(x, 5, 4, 3); }
};

Rgb Sky(Vec2 p, const Land& land) {
    static constexpr Rgb kDusk[] = {Hex(0x120C38), Hex(0x3A1A5C), Hex(0x8A2E6A),
                                    Hex(0xE0604A), Hex(0xFFB060), Hex(0xFFE0A0)};
    Rgb colour = Ramp(kDusk, p.y / kWaterline);
    // Long thin clouds, lit pink from below by the sun.
    float streak = land.clouds.Fractal(p.x, p.y * 4, 4, 4);
    float cloud = SmoothStep(0.52f, 0.72f, streak) * SmoothStep(18, 50, p.y) *
                  (1 - SmoothStep(100, 126, p.y));
    colour = Mix(colour, Mix(Hex(0x6A2A70), Hex(0xFF9C8A), p.y / 120), 0.75f * cloud);
    // The sun and the haze around it.
    float d = Length(p - kSun);
    colour += Hex(0xFF9040) * (0.6f * std::exp(-d / 38));
    colour = Mix(colour,
                 Mix(Hex(0xFFF6C8), Hex(0xFFB850), (p.y - kSun.y + kSunRadius) / (2 * kSunRadius)),
                 Coverage(d - kSunRadius));
    return colour;
}

// Everything above the waterline: sky, far hills in the haze, near hills.
Rgb AboveWater(Vec2 p, const Land& land) {
    Rgb colour = Sky(p, land);
    float farRidge = land.FarRidge(p.x);
    Rgb farHills = Mix(Hex(0xA04A78), Hex(0x6A2E62), Clamp01((p.y - farRidge) / 40));
    colour = Mix(colour, farHills, Clamp01(p.y - farRidge + 0.5f));
    float nearRidge = land.NearRidge(p.x);
    Rgb nearHills = Mix(Hex(0x4A2252), Hex(0x2A1438), Clamp01((p.y - nearRidge) / 20));
    return Mix(colour, nearHills, Clamp01(p.y - nearRidge + 0.5f));
}

Rgb Water(Vec2 p, const Land& land) {
    float depth = p.y - kWaterline;
    // Ripples grow as the water comes nearer.
    float wobble =
        (0.6f + depth * 0.05f) * std::sin(depth * 0.9f + 6 * land.ripples.Value(p.x, p.y * 2, 16));
    Rgb mirrored = AboveWater({p.x + wobble, kWaterline - depth * 1.1f}, land);
    Rgb colour = Mix(mirrored * 0.8f, Hex(0x140C30), Clamp01(depth / 110));
    // The sun's path: broken glints across the ripples under the sun.
    float band = std::exp(-std::pow((p.x - kSun.x) / (10 + depth * 0.35f), 2.0f));
    float glint = SmoothStep(0.55f, 0.8f, land.ripples.Value(p.x * 0.5f, p.y * 6, 32));
    colour += Hex(0xFFD890) * (0.9f * band * glint);
    // A dark line where the hills meet the water.
    return colour * (0.6f + 0.4f * SmoothStep(0, 2.5f, depth));
}

float Pine(Vec2 p, Vec2 foot, float height) {
    float t = (foot.y - p.y) / height;  // 0 at the foot, 1 at the tip
    if (t < 0 || t > 1) {
        return 1;
    }
    // Tiers of branches, each flaring out and narrowing to the next.
    float tier = std::fmod(t * 4.5f, 1.0f);
    float halfWidth = (1 - t) * height * 0.22f * (0.6f + 0.4f * (1 - tier)) + 0.6f;
    float trunk = t < 0.12f ? 1.6f : 0;
    return std::abs(p.x - foot.x) - std::max(halfWidth * (t < 0.08f ? 0 : 1), trunk);
}

// The near shore, pines and cabin, all in silhouette, with the cabin's one
// lit window.
Rgb Foreground(Vec2 p, Rgb behind, const Land& land) {
    constexpr struct {
        float x;
        float height;
    } kPines[] = {{10, 70}, {24, 92},  {38, 64},  {52, 80}, {66, 50},
                  {80, 60}, {176, 44}, {236, 58}, {250, 72}};
    Rgb silhouette = Hex(0x0C0816);
    float ground = Clamp01(p.y - land.Shoreline(p.x) + 0.5f);
    float trees = 0;
    for (const auto& pine : kPines) {
        trees =
            std::max(trees, Coverage(Pine(p, {pine.x, land.Shoreline(pine.x) + 4}, pine.height)));
    }
    float cabinBody = BoxDistance(p, kCabin + Vec2{0, -7}, {13, 8});
    float roof = std::max(std::abs(p.x - kCabin.x) * 0.7f + (p.y - (kCabin.y - 26)) * -0.7f,
                          p.y - (kCabin.y - 14));
    float cabin = Coverage(std::min(cabinBody, roof));
    float mask = std::max({ground, trees, cabin});
    Rgb colour = Mix(behind, silhouette, mask);
    // The window and a warm glow around it.
    float window = BoxDistance(p, kCabin + Vec2{-4, -8}, {3, 2.5f});
    colour += Hex(0xFF9A30) * (0.35f * std::exp(-std::max(window, 0.0f) / 4));
    return Mix(colour, Hex(0xFFD878), Coverage(window));
}

Rgb Shade(Vec2 p, Rgb stars, const Land& land) {
    Rgb behind = p.y < kWaterline ? AboveWater(p, land) + stars : Water(p, land);
    return Foreground(p, behind, land);
}

}  // namespace

RgbImage PaintDuskLake() {
    // The first stars come out only high up, where the sky is darkest.
    RgbImage stars;
    ScatterStars(stars, {.seed = 2001, .count = 160, .glinting = 1, .brightness = 0.8f});
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            stars.At(x, y) = stars.At(x, y) * (1 - SmoothStep(10, 80, static_cast<float>(y)));
        }
    }
    const Land land;
    RgbImage image;
    Render(image, 3, [&](float x, float y) {
        return Shade({x, y}, stars.At(static_cast<int>(x), static_cast<int>(y)), land);
    });
    return image;
}

}  // namespace pictures
