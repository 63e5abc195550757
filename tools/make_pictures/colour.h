// Colours while painting: floats from 0 to 1 per channel, so shading,
// blending and anti-aliasing can mix freely before the picture is reduced to
// its 256-colour table.
#pragma once

#include <algorithm>
#include <cstdint>

namespace pictures {

struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb& operator+=(Rgb& a, Rgb b) {
    return a = a + b;
}

// Written as 0xRRGGBB, the way a paint program shows a colour.
constexpr Rgb Hex(std::uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f};
}

inline float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

inline float Mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline Rgb Mix(Rgb a, Rgb b, float t) {
    return a + (b - a) * t;
}

inline float SmoothStep(float edge0, float edge1, float v) {
    float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

// A colour ramp through evenly spaced stops, t from 0 to 1.
template <std::size_t N>
Rgb Ramp(const Rgb (&stops)[N], float t) {
    float position = Clamp01(t) * static_cast<float>(N - 1);
    std::size_t index = std::min(static_cast<std::size_t>(position), N - 2);
    return Mix(stops[index], stops[index + 1], position - static_cast<float>(index));
}

}  // namespace pictures
