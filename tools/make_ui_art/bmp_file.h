// A .bmp file around a packed DIB, so that the previews open in any viewer.
#pragma once

#include "dib.h"

namespace ui_art {

Bytes BmpFile(const Bytes& packedDib);

}  // namespace ui_art
