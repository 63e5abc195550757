// Signed distances, in pixels, to the shapes the pictures are built from:
// negative inside, positive outside. Painting with distances gives soft,
// even edges and lets bevels and glows follow any outline.
#pragma once

#include <algorithm>
#include <cmath>

#include "colour.h"

namespace pictures {

struct Vec2 {
    float x = 0;
    float y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float k) {
    return {a.x * k, a.y * k};
}
inline float Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline float Length(Vec2 a) {
    return std::sqrt(Dot(a, a));
}

inline Vec2 Rotate(Vec2 p, float radians) {
    float c = std::cos(radians);
    float s = std::sin(radians);
    return {c * p.x - s * p.y, s * p.x + c * p.y};
}

inline float CircleDistance(Vec2 p, Vec2 centre, float radius) {
    return Length(p - centre) - radius;
}

// A line from a to b with round ends, radius wide on each side.
inline float CapsuleDistance(Vec2 p, Vec2 a, Vec2 b, float radius) {
    Vec2 pa = p - a;
    Vec2 ba = b - a;
    float t = std::clamp(Dot(pa, ba) / Dot(ba, ba), 0.0f, 1.0f);
    return Length(pa - ba * t) - radius;
}

// An axis-aligned box given by its centre and half sizes, corners rounded.
inline float BoxDistance(Vec2 p, Vec2 centre, Vec2 half, float cornerRadius = 0) {
    Vec2 d{std::abs(p.x - centre.x) - half.x + cornerRadius,
           std::abs(p.y - centre.y) - half.y + cornerRadius};
    Vec2 outside{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
    return Length(outside) + std::min(std::max(d.x, d.y), 0.0f) - cornerRadius;
}

// Not an exact distance away from the outline, but exact enough near it for
// the edges and bevels drawn here.
inline float EllipseDistance(Vec2 p, Vec2 centre, Vec2 radii) {
    Vec2 q{(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
    float k = Length(q);
    return (k - 1.0f) * std::min(radii.x, radii.y);
}

// Union that melts two shapes together over a distance of k pixels.
inline float SmoothUnion(float a, float b, float k) {
    float h = Clamp01(0.5f + 0.5f * (b - a) / k);
    return Mix(b, a, h) - k * h * (1 - h);
}

inline float Subtract(float shape, float cut) {
    return std::max(shape, -cut);
}

// How much of a pixel-sized spot at that distance the shape covers.
inline float Coverage(float distance) {
    return Clamp01(0.5f - distance);
}

}  // namespace pictures
