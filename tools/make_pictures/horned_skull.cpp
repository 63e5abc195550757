// Picture 4: a white horned skull over crossed bones, on black. Everything
// is one raised, lit surface, so the sockets, the nose and the gaps between
// the teeth are simply holes through to the black behind.
#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures.h"
#include "relief.h"

namespace pictures {
namespace {

constexpr float kMiddle = 128;

float Bone(Vec2 p, Vec2 from, Vec2 to) {
    Vec2 along = to - from;
    Vec2 side = Vec2{-along.y, along.x} * (6.5f / Length(along));
    float shaft = CapsuleDistance(p, from, to, 6.5f);
    // Each end is a pair of knuckles either side of the shaft.
    float knuckles = std::min({CircleDistance(p, from + side, 9), CircleDistance(p, from - side, 9),
                               CircleDistance(p, to + side, 9), CircleDistance(p, to - side, 9)});
    return SmoothUnion(shaft, knuckles, 5);
}

float CrossedBones(Vec2 p) {
    return std::min(Bone(p, {46, 160}, {210, 232}), Bone(p, {210, 160}, {46, 232}));
}

// A horn sweeps out from the temple and curls up to a point, thinning as it
// goes; `side` is -1 for the left horn and 1 for the right.
struct Horn {
    std::vector<Vec2> spine;
    std::vector<float> radius;

    explicit Horn(float side) {
        constexpr int kSteps = 28;
        Vec2 start{kMiddle + side * 34, 70};
        Vec2 bend{kMiddle + side * 118, 78};
        Vec2 tip{kMiddle + side * 92, 10};
        for (int i = 0; i <= kSteps; ++i) {
            float t = static_cast<float>(i) / kSteps;
            float u = 1 - t;
            spine.push_back(start * (u * u) + bend * (2 * u * t) + tip * (t * t));
            radius.push_back(1.2f + 13.5f * std::pow(u, 1.2f));
        }
    }

    // Distance, and how far along the horn the nearest point of its spine is.
    float Distance(Vec2 p, float& along) const {
        float best = 1e9f;
        for (std::size_t i = 1; i < spine.size(); ++i) {
            float r = 0.5f * (radius[i - 1] + radius[i]);
            float d = CapsuleDistance(p, spine[i - 1], spine[i], r);
            if (d < best) {
                best = d;
                along = static_cast<float>(i) / static_cast<float>(spine.size() - 1);
            }
        }
        return best;
    }
};

float Skull(Vec2 p) {
    float cranium = EllipseDistance(p, {kMiddle, 96}, {54, 52});
    float cheeks = EllipseDistance(p, {kMiddle, 132}, {44, 28});
    float muzzle = BoxDistance(p, {kMiddle, 152}, {28, 18}, 9);
    float jaw = BoxDistance(p, {kMiddle, 176}, {24, 11}, 9);
    float head = SmoothUnion(SmoothUnion(cranium, cheeks, 10), muzzle, 8);
    head = SmoothUnion(head, jaw, 4);

    // Sockets tilted into a scowl.
    auto socket = [&](float side) {
        Vec2 q = p - Vec2{kMiddle + side * 22, 118};
        // The brow slants down towards the nose and cuts the socket's top.
        float browY = -5 - 0.5f * side * q.x;
        float brow = (browY - q.y) * 0.89f;
        return std::max(EllipseDistance(q, {0, 0}, {17, 14}), brow);
    };
    float sockets = std::min(socket(-1), socket(1));
    float nose =
        std::min(EllipseDistance(Rotate(p - Vec2{kMiddle - 4, 142}, 0.5f), {0, 0}, {3.5f, 8}),
                 EllipseDistance(Rotate(p - Vec2{kMiddle + 4, 142}, -0.5f), {0, 0}, {3.5f, 8}));
    // The bite between the rows of teeth, and the gaps between the teeth.
    float bite = BoxDistance(p, {kMiddle, 166}, {25, 1.3f}, 1);
    float gaps = 1e9f;
    for (int i = -2; i <= 2; ++i) {
        float x = kMiddle + static_cast<float>(i) * 9;
        gaps = std::min(gaps, BoxDistance(p, {x, 166}, {0.7f, 8}, 0.7f));
    }
    float holes = std::min({sockets, nose, bite, gaps});
    return Subtract(head, holes);
}

Rgb BoneColour(const Relief& r, float warmth) {
    static constexpr Rgb kBone[] = {Hex(0x14100C), Hex(0x6A6456), Hex(0xC4BEB0), Hex(0xF4F2EC),
                                    Hex(0xFFFFFF)};
    Rgb base = Ramp(kBone, 0.15f + 1.05f * r.diffuse);
    return Mix(base, base * Hex(0xFFE8C0), warmth) + Hex(0xFFFFFF) * (0.6f * r.specular);
}

struct Scene {
    Horn left{-1};
    Horn right{1};

    float Horns(Vec2 p, float* along = nullptr) const {
        float alongLeft = 0;
        float alongRight = 0;
        float dLeft = left.Distance(p, alongLeft);
        float dRight = right.Distance(p, alongRight);
        if (along != nullptr) {
            *along = dLeft < dRight ? alongLeft : alongRight;
        }
        return std::min(dLeft, dRight);
    }
};

Rgb Shade(Vec2 p, const Scene& scene) {
    Rgb colour = Hex(0x000000);

    Relief bones = Raise(CrossedBones, p, 6);
    colour = Mix(colour, BoneColour(bones, 0.35f), bones.coverage);

    // The horns, ridged in rings and darkening towards their roots.
    auto horns = [&](Vec2 q) { return scene.Horns(q); };
    float along = 0;
    scene.Horns(p, &along);
    Relief horn = Raise(horns, p, 7);
    float ridges = 0.88f + 0.12f * std::cos(along * 60);
    Rgb hornColour = BoneColour(horn, 0.7f) * (ridges * (0.6f + 0.4f * along));
    colour = Mix(colour, hornColour, horn.coverage);

    // The skull throws a shadow onto what lies behind it.
    float shadow = 1 - SmoothStep(-4, 6, Skull(p - Vec2{5, 7}));
    colour = colour * (1 - 0.8f * shadow);

    Relief skull = Raise(Skull, p, 9);
    // A broad dome of light on top of the bevel: lit from the upper left.
    Vec2 q = p - Vec2{kMiddle, 110};
    float dome = Clamp01(0.9f - 0.0045f * (q.x * 0.5f + q.y * 0.8f) - Length(q) * 0.002f);
    Relief lit = skull;
    lit.diffuse = Clamp01(skull.diffuse * (0.75f + 0.55f * dome));
    return Mix(colour, BoneColour(lit, 0.04f), skull.coverage);
}

}  // namespace

RgbImage PaintHornedSkull() {
    RgbImage image;
    const Scene scene;
    Render(image, 3, [&](float x, float y) { return Shade({x, y}, scene); });
    return image;
}

}  // namespace pictures
