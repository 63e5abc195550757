// The index arithmetic of a frame, shared by the reference and the driver of
// the fast paths so that both read the same formula.
#pragma once

#include "engine/render_frame.h"
#include "engine/render_state.h"

#include <cstdint>
#include <stdexcept>

namespace vandrel::engine::detail {

// Every index is taken modulo 256. Adding as unsigned keeps that exact for
// negative displacements and for any table value, and never overflows.
inline std::uint8_t WrapByte(std::uint32_t index, std::int32_t displacement) {
    return static_cast<std::uint8_t>(index + static_cast<std::uint32_t>(displacement));
}

inline std::int32_t WaveAt(std::span<const std::int32_t, kWaveEntries> wave, std::uint32_t phase) {
    return wave[phase & 0xFFu];
}

// Memory row r is picture row 255 - r on a bottom-up surface.
inline std::uint32_t MemoryRowOfPictureRow(int y, MemoryRowOrder order) {
    const auto row = static_cast<std::uint32_t>(y);
    return order == MemoryRowOrder::kBottomUp ? 255u - row : row;
}

inline void RequireSourceBits() {
    if (g_pSourceBits == nullptr) {
        throw std::logic_error("rendering without a source picture");
    }
}

}  // namespace vandrel::engine::detail
