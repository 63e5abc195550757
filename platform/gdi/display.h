// The display the program runs on: true colour by default, or an emulated
// palette display whose system palette has static colours at both ends and
// free slots between that foreground palettes claim.
#pragma once

#include <vector>

#include "platform/gdi/color.h"

namespace vandrel::gdi {

class Display {
public:
    static Display& Get();

    void ConfigureTrueColor();
    void ConfigurePalette(int sizePalette, int numReserved);
    // Whatever VANDREL_DISPLAY says: "palette" for 256 slots with 20 static.
    void ConfigureFromEnvironment();

    bool IsPalette() const { return m_palette; }
    int SizePalette() const { return m_palette ? static_cast<int>(m_system.size()) : 0; }
    int NumReserved() const { return m_palette ? m_lowStatic + m_highStatic : 0; }
    bool IsStatic(int slot) const;
    int FirstFreeSlot() const { return m_lowStatic; }
    int EndOfFreeSlots() const { return static_cast<int>(m_system.size()) - m_highStatic; }

    std::vector<PALETTEENTRY>& SystemPalette() { return m_system; }
    // Slot of the closest colour among the slots an 8-bit image can address.
    int NearestAddressableSlot(Rgb color) const;
    // Changes whenever the display is reconfigured, so that realisations done
    // on an earlier display are known to be stale.
    int Generation() const { return m_generation; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetResolution(int width, int height);

private:
    Display();

    bool m_palette = false;
    int m_lowStatic = 0;
    int m_highStatic = 0;
    std::vector<PALETTEENTRY> m_system;
    int m_generation = 0;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace vandrel::gdi
