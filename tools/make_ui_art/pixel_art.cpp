#include "pixel_art.h"

#include <fstream>
#include <string>

#include "vga_palette.h"

namespace ui_art {

namespace {

std::string Where(const std::filesystem::path& file, int line) {
    return file.string() + ":" + std::to_string(line) + ": ";
}

std::string Describe(char character) {
    if (character >= ' ' && character <= '~') {
        return std::string("'") + character + "'";
    }
    return "byte " + std::to_string(static_cast<unsigned char>(character));
}

void ReadRow(const std::string& text, const std::filesystem::path& file, int line, int row,
             PixelArt& art) {
    if (text.size() != kArtSize) {
        throw ArtError(Where(file, line) + "row has " + std::to_string(text.size()) +
                       " characters, expected " + std::to_string(kArtSize));
    }
    for (int x = 0; x < kArtSize; ++x) {
        const char character = text[x];
        std::uint8_t colour = kBackground;
        if (character != kBackgroundCharacter) {
            const auto known = ColourOfCharacter(character);
            if (!known) {
                throw ArtError(Where(file, line) + "column " + std::to_string(x + 1) +
                               ": unknown colour character " + Describe(character));
            }
            colour = *known;
        }
        art.pixels[row * kArtSize + x] = colour;
    }
}

}  // namespace

PixelArt ReadPixelArt(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw ArtError(file.string() + ": cannot open the art file");
    }
    PixelArt art;
    int rows = 0;
    int line = 0;
    std::string text;
    while (std::getline(in, text)) {
        ++line;
        if (text.empty() || text.front() == '#') {
            continue;
        }
        if (rows == kArtSize) {
            throw ArtError(Where(file, line) + "more than " + std::to_string(kArtSize) +
                           " pixel rows");
        }
        ReadRow(text, file, line, rows, art);
        ++rows;
    }
    if (rows != kArtSize) {
        throw ArtError(Where(file, line) + "file ends after " + std::to_string(rows) +
                       " pixel rows, expected " + std::to_string(kArtSize));
    }
    return art;
}

}  // namespace ui_art
