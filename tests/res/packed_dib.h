// Reads the embedded toolbar strip and icon images the way the program's
// loaders will: a packed 4-bit DIB with its fields little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"

namespace ui_art_test {

// A copy of the resource's bytes; empty when it is not embedded.
inline std::vector<std::uint8_t> EmbeddedResource(LPCSTR type, unsigned id) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return {bytes, bytes + SizeofResource(module, found)};
}

struct PackedDib {
    std::vector<std::uint8_t> bytes;

    std::uint32_t U32(std::size_t offset) const {
        return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
               static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
    }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
    }
    std::int32_t Width() const { return static_cast<std::int32_t>(U32(4)); }
    std::int32_t HeaderHeight() const { return static_cast<std::int32_t>(U32(8)); }
    std::uint16_t BitsPerPixel() const { return U16(14); }
    std::uint32_t Compression() const { return U32(16); }
    // Zero in the header means the full 16 for 4 bits per pixel.
    std::uint32_t ColoursInTable() const { return U32(32) == 0 ? 16 : U32(32); }

    // The colour table as 0xRRGGBB.
    std::uint32_t PaletteEntry(int index) const {
        const std::size_t at = 40 + static_cast<std::size_t>(index) * 4;
        return static_cast<std::uint32_t>(bytes[at + 2] << 16 | bytes[at + 1] << 8 | bytes[at]);
    }

    std::size_t PixelsOffset() const { return 40 + 16 * 4; }
    std::size_t Stride4() const { return (static_cast<std::size_t>(Width()) * 4 + 31) / 32 * 4; }

    // Colour number at (x, y), y counted from the top of an image `height`
    // rows high whose rows are stored bottom-up.
    int Colour(int x, int y, int height) const {
        const std::size_t row = static_cast<std::size_t>(height - 1 - y);
        const std::uint8_t pair =
            bytes[PixelsOffset() + row * Stride4() + static_cast<std::size_t>(x) / 2];
        return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
    }
};

inline constexpr int kLightGrey = 7;

}  // namespace ui_art_test
