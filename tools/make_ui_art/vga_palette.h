// The sixteen colours every 1990s VGA display could show, in the order of
// their colour numbers, and the characters the pixel art uses for them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace ui_art {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline constexpr int kColourCount = 16;

inline constexpr std::array<Rgb, kColourCount> kVgaPalette = {{
    {0, 0, 0},        // 0 black
    {128, 0, 0},      // 1 dark red
    {0, 128, 0},      // 2 dark green
    {128, 128, 0},    // 3 dark yellow
    {0, 0, 128},      // 4 dark blue
    {128, 0, 128},    // 5 dark magenta
    {0, 128, 128},    // 6 dark cyan
    {192, 192, 192},  // 7 light grey
    {128, 128, 128},  // 8 grey
    {255, 0, 0},      // 9 red
    {0, 255, 0},      // 10 green
    {255, 255, 0},    // 11 yellow
    {0, 0, 255},      // 12 blue
    {255, 0, 255},    // 13 magenta
    {0, 255, 255},    // 14 cyan
    {255, 255, 255},  // 15 white
}};

inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kDarkCyan = 6;
inline constexpr std::uint8_t kLightGrey = 7;

// Lower case is the dim half of the palette and upper case its bright twin,
// the way the hardware pairs them: k black / K grey, w light grey / W white,
// r/R red, g/G green, y/Y yellow, b/B blue, m/M magenta, c/C cyan.
inline std::optional<std::uint8_t> ColourOfCharacter(char character) {
    constexpr std::array<char, kColourCount> kLegend = {'k', 'r', 'g', 'y', 'b', 'm', 'c', 'w',
                                                        'K', 'R', 'G', 'Y', 'B', 'M', 'C', 'W'};
    for (std::size_t index = 0; index < kLegend.size(); ++index) {
        if (kLegend[index] == character) {
            return static_cast<std::uint8_t>(index);
        }
    }
    return std::nullopt;
}

}  // namespace ui_art
