#include "platform/gdi/display.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/gdi/hooks.h"

namespace vandrel::gdi {
namespace {

// A screen size for when the window system has not told us the real one.
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;

// The twenty static colours that 256-colour displays keep, ten at the start
// of the system palette and ten at its end.
constexpr PALETTEENTRY kLowStatic[10] = {
    {0, 0, 0, 0},     {128, 0, 0, 0},   {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
};
constexpr PALETTEENTRY kHighStatic[10] = {
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},
    {0, 255, 0, 0},     {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},
    {0, 255, 255, 0},   {255, 255, 255, 0},
};

// Test displays with more static slots than the standard twenty get grey
// levels for the extra ones, so every static slot has a known colour.
PALETTEENTRY ExtraStatic(int slot) {
    const BYTE level = static_cast<BYTE>(slot);
    return {level, level, level, 0};
}

}  // namespace

Display& Display::Get() {
    static Display display;
    return display;
}

Display::Display() {
    ConfigureFromEnvironment();
}

void Display::ConfigureTrueColor() {
    m_palette = false;
    m_lowStatic = 0;
    m_highStatic = 0;
    m_system.clear();
    ++m_generation;
}

void Display::ConfigurePalette(int sizePalette, int numReserved) {
    if (sizePalette < 1 || sizePalette > 1024 || numReserved < 0 || numReserved > sizePalette) {
        throw std::invalid_argument("unsupported palette display");
    }
    m_palette = true;
    m_lowStatic = numReserved / 2;
    m_highStatic = numReserved - m_lowStatic;
    m_system.assign(static_cast<std::size_t>(sizePalette), PALETTEENTRY{0, 0, 0, 0});
    for (int slot = 0; slot < m_lowStatic; ++slot) {
        m_system[static_cast<std::size_t>(slot)] = slot < 10 ? kLowStatic[slot] : ExtraStatic(slot);
    }
    for (int i = 0; i < m_highStatic; ++i) {
        const int slot = sizePalette - m_highStatic + i;
        const int standard = 10 - m_highStatic + i;
        m_system[static_cast<std::size_t>(slot)] =
            standard >= 0 ? kHighStatic[standard] : ExtraStatic(slot);
    }
    ++m_generation;
}

void Display::ConfigureFromEnvironment() {
    const char* mode = std::getenv("VANDREL_DISPLAY");
    if (mode != nullptr && std::strcmp(mode, "palette") == 0) {
        ConfigurePalette(256, 20);
    } else {
        ConfigureTrueColor();
    }
    m_width = kDefaultWidth;
    m_height = kDefaultHeight;
}

bool Display::IsStatic(int slot) const {
    return m_palette && (slot < m_lowStatic || slot >= EndOfFreeSlots());
}

int Display::NearestAddressableSlot(Rgb color) const {
    const std::size_t addressable = std::min<std::size_t>(m_system.size(), 256);
    return NearestIndex(std::span(m_system.data(), addressable), color);
}

void Display::SetResolution(int width, int height) {
    m_width = width;
    m_height = height;
}

}  // namespace vandrel::gdi

namespace vandrel::hooks {

void SetPaletteDisplay(int sizePalette, int numReserved) {
    gdi::Display::Get().ConfigurePalette(sizePalette, numReserved);
}

void SetTrueColorDisplay() {
    gdi::Display::Get().ConfigureTrueColor();
}

void ResetDisplay() {
    gdi::Display::Get().ConfigureFromEnvironment();
}

}  // namespace vandrel::hooks
