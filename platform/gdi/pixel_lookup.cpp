// The destination value of every colour of a DIB's table, computed once per
// copy so that the copy itself is a table lookup per pixel.
#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_access.h"
#include "platform/gdi/display.h"
#include "platform/gdi/realize.h"

namespace vandrel::gdi {
namespace {

std::uint32_t ValueFor(const PixelBuffer& target, Rgb color) {
    switch (target.format) {
        case PixelFormat::Xrgb32:
            return Xrgb(color);
        case PixelFormat::SystemIndex8:
            return static_cast<std::uint32_t>(Display::Get().NearestAddressableSlot(color));
        case PixelFormat::TableIndex8:
            return static_cast<std::uint32_t>(
                NearestIndex(std::span(target.colorTable, 256), color));
    }
    return 0;
}

}  // namespace

BOOL BuildPixelLookup(HDC dc, const PixelBuffer& target, const BITMAPINFO& info, UINT usage,
                      PixelLookup& lookup) {
    const DeviceContext* context = FindDc(dc);
    if (context == nullptr || (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS)) {
        return FALSE;
    }
    // Entries past a short table stand for its first colour.
    const DWORD used = info.bmiHeader.biClrUsed;
    const std::size_t tableSize = used == 0 || used > 256 ? 256 : used;
    if (usage == DIB_RGB_COLORS) {
        for (std::size_t i = 0; i < 256; ++i) {
            lookup[i] = ValueFor(target, RgbOf(info.bmiColors[i < tableSize ? i : 0]));
        }
        return TRUE;
    }
    // A DIB_PAL_COLORS table holds 16-bit indices into the selected palette.
    WORD indices[256];
    std::memcpy(indices, info.bmiColors, sizeof indices);
    const PaletteObject& palette = *context->palette;
    for (std::size_t i = 0; i < 256; ++i) {
        std::size_t entry = indices[i < tableSize ? i : 0];
        if (entry >= palette.entries.size()) {
            entry = 0;
        }
        lookup[i] = target.format == PixelFormat::SystemIndex8
                        ? static_cast<std::uint32_t>(SystemSlotOf(palette, entry))
                        : ValueFor(target, RgbOf(palette.entries[entry]));
    }
    return TRUE;
}

}  // namespace vandrel::gdi
