// Reduces a painted picture to 256 colours the way it has to work on a
// palette display: entries 0-9 and 246-255 belong to the system's static
// colours, so the picture's own colours go in entries 10-245, and pixels use
// the static slots only for pure black (0) and pure white (255), which the
// system shows exactly as painted.
#pragma once

#include "indexed_picture.h"
#include "rgb_image.h"

namespace pictures {

inline constexpr int kFirstOwnEntry = 10;
inline constexpr int kLastOwnEntry = 245;

IndexedPicture Quantize(const RgbImage& image);

}  // namespace pictures
