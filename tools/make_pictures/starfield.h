// A sky full of stars, dim ones by the hundred and a few bright ones with
// glints, added on top of whatever sky is already painted.
#pragma once

#include <cstdint>

#include "rgb_image.h"

namespace pictures {

struct StarfieldStyle {
    std::uint64_t seed = 1;
    int count = 300;
    int glinting = 5;  // the brightest few get a four-pointed glint
    float brightness = 1;
};

void ScatterStars(RgbImage& image, const StarfieldStyle& style);

}  // namespace pictures
