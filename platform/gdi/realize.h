// Mapping logical palettes onto the system palette of the emulated display.
#pragma once

#include "platform/gdi/objects.h"

namespace vandrel::gdi {

// Foreground: entries that match a static colour or a slot this palette
// already claimed share it, unless flagged PC_RESERVED or PC_NOCOLLAPSE;
// every other entry claims the next free slot in order, and takes the
// nearest colour once none is left. So an identity palette (static colours
// at both ends, reserved entries between) lands entry i in slot i.
// Background: every entry takes the nearest existing colour.
// Returns the number of entries mapped; 0 on a true-colour display.
UINT Realize(PaletteObject& palette, bool foreground);

// The system slot an entry stands for now: its realised slot, or the nearest
// colour when the palette is not realised on the current display. Only
// slots an 8-bit image can address are returned.
int SystemSlotOf(const PaletteObject& palette, std::size_t entry);

}  // namespace vandrel::gdi
