// PNG stores every number big-endian, unlike the resource formats.
#pragma once

#include <cstdint>
#include <vector>

namespace ui_art {

inline void PutU32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

}  // namespace ui_art
