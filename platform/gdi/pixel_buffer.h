// A view of pixel memory that device contexts draw into.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/base/win_types.h"

namespace vandrel::gdi {

enum class PixelFormat {
    Xrgb32,        // 32-bit 0x00RRGGBB, what a true-colour display shows
    SystemIndex8,  // 8-bit slots of the emulated display's system palette
    TableIndex8,   // 8-bit indices into a bitmap's own colour table
};

struct PixelBuffer {
    BYTE* topRow = nullptr;  // the first byte of the top row
    int width = 0;
    int height = 0;
    // Bytes from the start of a row to the start of the row below it;
    // negative for bottom-up memory.
    std::ptrdiff_t stride = 0;
    PixelFormat format = PixelFormat::Xrgb32;
    const RGBQUAD* colorTable = nullptr;  // 256 entries, TableIndex8 only

    BYTE* Row(int y) const { return topRow + static_cast<std::ptrdiff_t>(y) * stride; }
    bool IsEmpty() const { return topRow == nullptr || width <= 0 || height <= 0; }
};

// What a pixel of each format holds for a colour, indexed by an 8-bit
// source pixel: the 256 destination values of one source colour table.
using PixelLookup = std::uint32_t[256];

}  // namespace vandrel::gdi
