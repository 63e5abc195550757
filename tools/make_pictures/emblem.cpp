// Picture 1, the first thing the program shows: the maker's emblem, a gold
// diamond with a chrome K, above the company's name and the program's, over
// deep space.
#include <cmath>

#include "metals.h"
#include "noise.h"
#include "pictures.h"
#include "starfield.h"
#include "stroke_font.h"

namespace pictures {
namespace {

constexpr Vec2 kEmblemCentre{128, 84};

Rgb Space(Vec2 p, const TilingNoise& clouds, const TilingNoise& hue) {
    Rgb sky = Mix(Hex(0x03040C), Hex(0x0A0722), p.y / kSize);
    // The nebula: a cloud whose bright knots fade from violet to blue.
    float density = clouds.Fractal(p.x, p.y, 4, 5);
    float glow = std::pow(SmoothStep(0.35f, 0.85f, density), 1.6f);
    Rgb nebula = Mix(Hex(0x6A1A78), Hex(0x1E4AA8), hue.Fractal(p.x, p.y, 2, 3));
    return sky + nebula * (0.55f * glow);
}

float DiamondDistance(Vec2 p, float radius) {
    Vec2 q = p - kEmblemCentre;
    return (std::abs(q.x) + std::abs(q.y) - radius) * 0.7071f;
}

struct Artwork {
    StrokeText k = StrokeText::Centred("K", kEmblemCentre, {5.6f, 4.4f, 0, 0});
    StrokeText company = StrokeText::Centred("KORVANTH", {128, 176}, {3.1f, 2.4f, 0, 2});
    StrokeText product = StrokeText::Centred("VANDREL 95", {128, 214}, {1.9f, 1.35f, 0.18f, 2});
};

// How dark a soft shadow cast down and to the right by the shape is.
float Shadow(float distanceAtOffset) {
    return 0.75f * (1 - SmoothStep(-1.5f, 3.5f, distanceAtOffset));
}

// Paints the emblem and lettering over the starry sky behind them.
Rgb Shade(Vec2 p, Rgb sky, const Artwork& art) {
    Rgb colour = sky;

    // A faint halo behind the emblem lifts it off the sky.
    float halo = std::exp(-std::pow(std::max(DiamondDistance(p, 62), 0.0f) / 26.0f, 2.0f));
    colour += Hex(0x3050A0) * (0.35f * halo);

    Vec2 shadowOffset{-3, -4};
    colour = colour * (1 - Shadow(DiamondDistance(p + shadowOffset, 64)));

    auto outer = [](Vec2 q) { return DiamondDistance(q, 64); };
    auto inner = [](Vec2 q) { return DiamondDistance(q, 51); };
    auto frame = [&](Vec2 q) { return std::max(outer(q), -inner(q)); };
    Relief rim = Raise(frame, p, 5);
    Relief field = Raise(inner, p, 2);
    if (field.coverage > 0) {
        // Deep blue enamel, lighter towards the top as if lit from there.
        Vec2 q = p - kEmblemCentre;
        Rgb enamel = Mix(Hex(0x2850B0), Hex(0x06103A), Clamp01((q.y + 50) / 100 + Length(q) / 160));
        colour = Mix(colour, enamel * (0.6f + 0.5f * field.diffuse), field.coverage);
    }
    colour = Mix(colour, Gold(rim), rim.coverage);

    auto letterK = [&](Vec2 q) { return art.k.Distance(q); };
    float kTop = kEmblemCentre.y - art.k.Height() / 2 - 5;
    float kSpan = art.k.Height() + 10;
    colour = colour * (1 - 0.8f * Shadow(letterK(p + Vec2{-2, -3})));
    Relief kRelief = Raise(letterK, p, 3.2f);
    colour = Mix(colour, Chrome(kRelief, (p.y - kTop) / kSpan), kRelief.coverage);

    auto company = [&](Vec2 q) { return art.company.Distance(q); };
    float nameTop = 176 - art.company.Height() / 2 - 2.5f;
    float nameSpan = art.company.Height() + 5;
    colour = colour * (1 - Shadow(company(p + Vec2{-2, -2})));
    Relief name = Raise(company, p, 2.2f);
    colour = Mix(colour, Chrome(name, (p.y - nameTop) / nameSpan), name.coverage);

    // The program's name glows like a cathode-ray tube.
    float product = art.product.Distance(p);
    colour += Hex(0x2070FF) * (0.45f * std::exp(-std::max(product, 0.0f) / 2.5f));
    Rgb core = Mix(Hex(0xFFFFFF), Hex(0x7CD8FF), SmoothStep(-1.3f, 0.3f, product));
    colour = Mix(colour, core, Coverage(product));
    return colour;
}

}  // namespace

RgbImage PaintEmblem() {
    RgbImage image;
    const TilingNoise clouds(0x51A7u);
    const TilingNoise hue(0x0BEEu);
    // Stars go in first, so the emblem and lettering cover them.
    Render(image, 1, [&](float x, float y) { return Space({x, y}, clouds, hue); });
    ScatterStars(image, {.seed = 95, .count = 320, .glinting = 6, .brightness = 1.1f});
    const RgbImage sky = image;
    const Artwork art;
    Render(image, 3, [&](float x, float y) {
        return Shade({x, y}, sky.At(static_cast<int>(x), static_cast<int>(y)), art);
    });
    return image;
}

}  // namespace pictures
