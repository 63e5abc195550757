// One 32 x 32 picture read from its text source: 32 rows of 32 characters,
// one character per pixel (see vga_palette.h), '.' for the background. Lines
// that are empty or start with '#' are comments.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>

namespace ui_art {

inline constexpr int kArtSize = 32;
inline constexpr char kBackgroundCharacter = '.';

// The background is whatever the picture sits on: the button face in the
// toolbar, the desktop behind an icon.
inline constexpr std::uint8_t kBackground = 0xFF;

struct PixelArt {
    // Colour numbers, top row first; kBackground where nothing is drawn.
    std::array<std::uint8_t, kArtSize * kArtSize> pixels{};

    std::uint8_t At(int x, int y) const { return pixels[y * kArtSize + x]; }
};

// What is wrong with an art file, starting with "file:line:" so that editors
// and build logs point straight at it.
class ArtError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

PixelArt ReadPixelArt(const std::filesystem::path& file);

}  // namespace ui_art
