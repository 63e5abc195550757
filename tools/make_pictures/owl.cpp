// Hidden picture "MORLO": the night owl, wide awake on a branch under a full
// moon. Round shapes raised and lit from the moon's side, big amber eyes.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"
#include "relief.h"
#include "starfield.h"

namespace pictures {
namespace {

constexpr Vec2 kMoon{184, 64};
constexpr float kMoonRadius = 38;
constexpr float kMiddle = 104;

Rgb NightSky(Vec2 p, const TilingNoise& craters) {
    Rgb colour = Mix(Hex(0x060A24), Hex(0x1C2C64), p.y / kSize);
    float d = Length(p - kMoon);
    colour += Hex(0x6A80C0) * (0.45f * std::exp(-std::max(d - kMoonRadius, 0.0f) / 30));
    // The moon, with grey seas.
    float seas = SmoothStep(0.45f, 0.7f, craters.Fractal(p.x, p.y, 16, 3));
    Rgb moon = Mix(Hex(0xFFF8DC), Hex(0xC8C2AC), seas) *
               (1 - 0.18f * SmoothStep(0.4f * kMoonRadius, kMoonRadius, d));
    return Mix(colour, moon, Coverage(d - kMoonRadius));
}

float Branch(Vec2 p) {
    // A gentle sag from one side of the picture to the other.
    float centreY = 206 + 0.0006f * (p.x - 120) * (p.x - 120) - 0.02f * p.x;
    float thickness = 9 - 0.02f * p.x;
    float twig = CapsuleDistance(p, {186, 204}, {236, 176}, 3.2f);
    return std::min((std::abs(p.y - centreY) - thickness) * 0.95f, twig);
}

float Body(Vec2 p) {
    float belly = EllipseDistance(p, {kMiddle, 158}, {46, 52});
    float head = EllipseDistance(p, {kMiddle, 108}, {48, 38});
    float body = SmoothUnion(belly, head, 14);
    // Ear tufts: two points leaning outwards.
    auto tuft = [&](float side) {
        Vec2 q = Rotate(p - Vec2{kMiddle + side * 34, 74}, side * 0.35f);
        return std::max(std::abs(q.x) * 1.3f + q.y * 0.45f - 6, -q.y - 16);
    };
    return SmoothUnion(body, std::min(tuft(-1), tuft(1)), 6);
}

float Wing(Vec2 p, float side) {
    Vec2 q = Rotate(p - Vec2{kMiddle + side * 40, 166}, side * 0.18f);
    return EllipseDistance(q, {0, 0}, {15, 40});
}

// Two pale rounds around the eyes, meeting over the beak.
float FacialDisc(Vec2 p) {
    return SmoothUnion(CircleDistance(p, {kMiddle - 20, 110}, 21),
                       CircleDistance(p, {kMiddle + 20, 110}, 21), 6);
}

Rgb Feathers(const Relief& r, Rgb dark, Rgb light) {
    return Mix(dark, light, Clamp01(0.15f + 0.95f * r.diffuse)) +
           Hex(0xFFFFFF) * (0.25f * r.specular);
}

Rgb Eye(Vec2 p, Rgb colour, float side) {
    Vec2 centre{kMiddle + side * 21, 110};
    float d = Length(p - centre);
    // A dark rim, an amber iris lighter at the bottom, a pupil, a catchlight.
    colour = Mix(colour, Hex(0x1A0E06), Coverage(d - 15));
    Rgb iris = Mix(Hex(0xE08A10), Hex(0xFFE060), Clamp01((p.y - centre.y + 11) / 22));
    colour = Mix(colour, iris, Coverage(d - 12.5f));
    colour = Mix(colour, Hex(0x000000), Coverage(Length(p - centre - Vec2{side * 1.5f, 1}) - 7));
    return Mix(colour, Hex(0xFFFFFF), Coverage(Length(p - centre - Vec2{-3.5f, -4}) - 2.6f));
}

Rgb Owl(Vec2 p, Rgb colour) {
    // The owl's shadow on the branch and the sky beside it.
    colour = colour * (1 - 0.4f * (1 - SmoothStep(-4, 8, Body(p - Vec2{-6, 4}))));

    Relief body = Raise(Body, p, 14);
    colour = Mix(colour, Feathers(body, Hex(0x2A1A10), Hex(0xB08458)), body.coverage);

    // A pale breast with rows of brown chevrons.
    float breast = EllipseDistance(p, {kMiddle, 170}, {28, 36});
    float row = std::fmod(p.y + std::abs(p.x - kMiddle) * 0.5f, 9.0f);
    float column = std::fmod(std::abs(p.x - kMiddle) + (std::fmod(p.y, 18.0f) < 9 ? 0 : 5), 10.0f);
    float chevron = (row > 5.5f && column > 2 && column < 8) ? 0.7f : 0;
    Rgb breastColour = Mix(Hex(0xF0E0B8), Hex(0x7A5230), chevron) * (0.65f + 0.4f * body.diffuse);
    colour = Mix(colour, breastColour, Coverage(breast) * SmoothStep(0, 6, -breast + 6));

    for (float side : {-1.0f, 1.0f}) {
        auto wing = [side](Vec2 q) { return Wing(q, side); };
        Relief w = Raise(wing, p, 8);
        colour = Mix(colour, Feathers(w, Hex(0x1E120A), Hex(0x8A6038)), w.coverage);
    }

    Relief disc = Raise(FacialDisc, p, 5);
    colour = Mix(colour, Feathers(disc, Hex(0x8A6A48), Hex(0xF4E6C8)), disc.coverage);
    colour = Eye(p, colour, -1);
    colour = Eye(p, colour, 1);

    // The beak, a little hooked triangle.
    Vec2 b = p - Vec2{kMiddle, 126};
    float beak = std::max(std::abs(b.x) * 1.6f + b.y * 0.5f - 6, -b.y - 6);
    Rgb beakColour = Mix(Hex(0xFFD070), Hex(0x8A5A10), Clamp01((b.y + 6) / 14));
    colour = Mix(colour, beakColour, Coverage(beak));

    // Toes gripping the branch.
    for (float x : {-20.0f, -13.0f, -6.0f, 6.0f, 13.0f, 20.0f}) {
        float toe = CapsuleDistance(p, {kMiddle + x, 198}, {kMiddle + x * 1.1f, 206}, 2.8f);
        Rgb toeColour = Mix(Hex(0xF0B040), Hex(0x7A4A10), Clamp01((p.y - 196) / 12));
        colour = Mix(colour, toeColour, Coverage(toe));
    }
    return colour;
}

Rgb Shade(Vec2 p, Rgb sky, const TilingNoise& bark) {
    Rgb colour = sky;
    Relief branch = Raise(Branch, p, 6);
    float grain = bark.Fractal(p.x * 0.5f, p.y * 3, 32, 3);
    Rgb wood = Mix(Hex(0x1A0E08), Hex(0x8A6040), Clamp01(0.1f + 0.9f * branch.diffuse)) *
               (0.75f + 0.5f * grain);
    colour = Mix(colour, wood, branch.coverage);
    return Owl(p, colour);
}

}  // namespace

RgbImage PaintOwl() {
    const TilingNoise craters(0x300Du);
    RgbImage image;
    Render(image, 1, [&](float x, float y) { return NightSky({x, y}, craters); });
    ScatterStars(image, {.seed = 2010, .count = 140, .glinting = 3, .brightness = 0.7f});
    // The moon outshines any star behind it.
    Render(image, 1, [&](float x, float y) {
        Rgb starry = image.At(static_cast<int>(x), static_cast<int>(y));
        return Length(Vec2{x, y} - kMoon) < kMoonRadius + 2 ? NightSky({x, y}, craters) : starry;
    });
    const RgbImage sky = image;
    const TilingNoise bark(0xBA4Cu);
    Render(image, 3, [&](float x, float y) {
        return Shade({x, y}, sky.At(static_cast<int>(x), static_cast<int>(y)), bark);
    });
    return image;
}

}  // namespace pictures
