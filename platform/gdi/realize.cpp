#include "platform/gdi/realize.h"

#include "platform/gdi/display.h"

namespace vandrel::gdi {
namespace {

int ExactMatch(const std::vector<PALETTEENTRY>& system, const std::vector<bool>& shareable,
               Rgb color) {
    for (std::size_t slot = 0; slot < system.size(); ++slot) {
        if (shareable[slot] && RgbOf(system[slot]) == color) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

}  // namespace

UINT Realize(PaletteObject& palette, bool foreground) {
    Display& display = Display::Get();
    if (!display.IsPalette()) {
        return 0;
    }
    std::vector<PALETTEENTRY>& system = display.SystemPalette();
    // Static slots can always be shared; free slots only once this
    // realisation has claimed them, since a foreground palette owns them all.
    std::vector<bool> shareable(system.size());
    for (std::size_t slot = 0; slot < system.size(); ++slot) {
        shareable[slot] = display.IsStatic(static_cast<int>(slot));
    }
    int nextFree = display.FirstFreeSlot();
    palette.systemSlot.assign(palette.entries.size(), 0);
    for (std::size_t i = 0; i < palette.entries.size(); ++i) {
        const PALETTEENTRY& entry = palette.entries[i];
        const Rgb color = RgbOf(entry);
        int slot = -1;
        if (foreground) {
            if ((entry.peFlags & (PC_RESERVED | PC_NOCOLLAPSE)) == 0) {
                slot = ExactMatch(system, shareable, color);
            }
            if (slot < 0 && nextFree < display.EndOfFreeSlots()) {
                slot = nextFree++;
                system[static_cast<std::size_t>(slot)] = {color.red, color.green, color.blue, 0};
                shareable[static_cast<std::size_t>(slot)] = true;
            }
        }
        if (slot < 0) {
            slot = NearestIndex(system, color);
        }
        palette.systemSlot[i] = slot;
    }
    palette.realisedGeneration = display.Generation();
    return static_cast<UINT>(palette.entries.size());
}

int SystemSlotOf(const PaletteObject& palette, std::size_t entry) {
    const Display& display = Display::Get();
    if (palette.realisedGeneration == display.Generation() && entry < palette.systemSlot.size() &&
        palette.systemSlot[entry] < 256) {
        return palette.systemSlot[entry];
    }
    return display.NearestAddressableSlot(RgbOf(palette.entries[entry]));
}

}  // namespace vandrel::gdi
