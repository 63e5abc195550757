// Picture 3: white and black cords woven on the diagonal over grey, each
// passing over one crossing and under the next. Cords lie 32 pixels apart
// along each edge, so the weave repeats exactly at 256 and wraps seamlessly.
#include <cmath>

#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace pictures {
namespace {

constexpr float kSpacing = 32;  // between cords, measured along an edge
constexpr float kHalfWidth = 3.3f;
constexpr float kPi = 3.14159265f;
constexpr float kRootHalf = 0.70710678f;

// Light from up and to the left, as everywhere in the maker's artwork.
constexpr float kLx = -0.48f, kLy = -0.58f, kLz = 0.66f;

struct Cord {
    float coverage;
    float height;  // 1 where it passes over, 0 where it passes under
    float light;   // 0 to 1, with a highlight above 1
};

// One family of parallel cords. `across` is the coordinate that is constant
// along a cord (x + y or x - y), `along` the other one; the cords of the
// other family lie on whole multiples of the spacing in `along`, and this
// family passes over them where `flip` makes the cosine peak. The directions
// are those in which `across` and `along` grow.
Cord MeasureCord(float across, float along, Vec2 acrossDirection, Vec2 alongDirection, float flip) {
    float index = std::round(across / kSpacing);
    float offset = (across - index * kSpacing) * kRootHalf;
    Cord cord;
    cord.coverage = Coverage(std::abs(offset) - kHalfWidth);
    float phase = kPi * (along / kSpacing - index) + flip;
    cord.height = 0.5f + 0.5f * std::cos(phase);
    // Round in section, and tilting down where it dives under a crossing.
    float c = std::clamp(offset / kHalfWidth, -1.0f, 1.0f);
    float tilt = 0.7f * std::sin(phase);
    float nx = acrossDirection.x * c + alongDirection.x * tilt;
    float ny = acrossDirection.y * c + alongDirection.y * tilt;
    float nz = std::sqrt(std::max(1 - c * c, 0.0f));
    float length = std::sqrt(nx * nx + ny * ny + nz * nz);
    float lambert = std::max((nx * kLx + ny * kLy + nz * kLz) / length, 0.0f);
    float hx = kLx, hy = kLy, hz = kLz + 1;
    float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    float facing = std::max((nx * hx + ny * hy + nz * hz) / (length * hl), 0.0f);
    // Where it passes under, its neighbours shut out some of the light.
    float occlusion = 0.55f + 0.45f * cord.height;
    cord.light = lambert * occlusion + 0.6f * std::pow(facing, 24.0f);
    return cord;
}

Cord WhiteCord(Vec2 p) {
    return MeasureCord(p.x + p.y, p.x - p.y, {kRootHalf, kRootHalf}, {kRootHalf, -kRootHalf}, 0);
}

Cord BlackCord(Vec2 p) {
    return MeasureCord(p.x - p.y, p.x + p.y, {kRootHalf, -kRootHalf}, {kRootHalf, kRootHalf}, kPi);
}

Rgb WhiteColour(const Cord& c) {
    return Mix(Hex(0x6E6E78), Hex(0xFFFFFF), std::min(c.light, 1.0f)) +
           Hex(0xFFFFFF) * std::max(c.light - 1, 0.0f);
}

Rgb BlackColour(const Cord& c) {
    return Mix(Hex(0x000000), Hex(0x34343C), std::min(c.light, 1.0f)) +
           Hex(0xB0B0C0) * std::max(c.light - 0.55f, 0.0f);
}

Rgb Shade(Vec2 p, const TilingNoise& grain) {
    // Grey cloth underneath, with a faint weave of its own.
    float texture = grain.Fractal(p.x, p.y, 64, 2);
    Rgb colour = Hex(0x84848A) * (0.92f + 0.16f * texture);

    // Both families cast a soft shadow down and to the right.
    Vec2 shadowAt = p - Vec2{2.5f, 3.5f};
    float blocked = std::max(WhiteCord(shadowAt).coverage, BlackCord(shadowAt).coverage);
    colour = colour * (1 - 0.45f * blocked);

    Cord white = WhiteCord(p);
    Cord black = BlackCord(p);
    bool whiteOnTop = white.height >= black.height;
    const Cord& lower = whiteOnTop ? black : white;
    const Cord& upper = whiteOnTop ? white : black;
    colour = Mix(colour, whiteOnTop ? BlackColour(lower) : WhiteColour(lower), lower.coverage);
    // The upper cord shades the lower one right beside it.
    Cord shade = whiteOnTop ? WhiteCord(shadowAt) : BlackCord(shadowAt);
    colour = colour * (1 - 0.35f * shade.coverage * lower.coverage);
    return Mix(colour, whiteOnTop ? WhiteColour(upper) : BlackColour(upper), upper.coverage);
}

}  // namespace

RgbImage PaintLattice() {
    RgbImage image;
    const TilingNoise grain(0x3A77u);
    Render(image, 3, [&](float x, float y) { return Shade({x, y}, grain); });
    return image;
}

}  // namespace pictures
