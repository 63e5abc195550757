// Raised shapes: any outline given as a distance becomes a plateau with a
// rounded bevel around it, lit from the top left as paint programs of the
// day always lit their buttons and logos.
#pragma once

#include <cmath>

#include "shapes.h"

namespace pictures {

struct Relief {
    float coverage = 0;  // of the pixel-sized spot, 0 to 1
    float height = 0;    // 0 on the outline, 1 on the plateau
    float nx = 0;        // surface normal; nz points at the viewer
    float ny = 0;
    float nz = 1;
    float diffuse = 0;   // how much light from the top left falls on it
    float specular = 0;  // a tight highlight for polished surfaces
};

template <typename Distance>
Relief Raise(Distance&& distance, Vec2 p, float bevelWidth) {
    auto height = [&](Vec2 q) { return SmoothStep(0.0f, bevelWidth, -distance(q)); };
    constexpr float kStep = 0.35f;
    Relief r;
    float d = distance(p);
    r.coverage = Coverage(d);
    r.height = SmoothStep(0.0f, bevelWidth, -d);
    // The steepness makes the bevel read as a slope of about 60 degrees.
    float steep = bevelWidth * 1.2f;
    float dx = (height({p.x + kStep, p.y}) - height({p.x - kStep, p.y})) / (2 * kStep) * steep;
    float dy = (height({p.x, p.y + kStep}) - height({p.x, p.y - kStep})) / (2 * kStep) * steep;
    float length = std::sqrt(dx * dx + dy * dy + 1);
    r.nx = -dx / length;
    r.ny = -dy / length;
    r.nz = 1 / length;
    // Light from up and to the left (y grows downwards).
    constexpr float kLx = -0.48f, kLy = -0.58f, kLz = 0.66f;
    float lambert = r.nx * kLx + r.ny * kLy + r.nz * kLz;
    r.diffuse = std::max(lambert, 0.0f);
    // Half-way vector between the light and a viewer straight in front.
    float hx = kLx, hy = kLy, hz = kLz + 1;
    float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    float facing = std::max((r.nx * hx + r.ny * hy + r.nz * hz) / hl, 0.0f);
    r.specular = std::pow(facing, 40.0f);
    return r;
}

}  // namespace pictures
