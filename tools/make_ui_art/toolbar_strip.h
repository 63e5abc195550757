// The toolbar's bitmap: the button pictures side by side, left to right, in
// a strip of fixed width whose unused right end stays blank.
#pragma once

#include <vector>

#include "dib.h"
#include "pixel_art.h"

namespace ui_art {

inline constexpr int kStripWidth = 568;

// The background becomes light grey, which the toolbar draws as the button
// face, so each picture blends into its button. Throws std::invalid_argument
// when the pictures do not fit.
IndexedImage ComposeStrip(const std::vector<PixelArt>& pictures);

}  // namespace ui_art
