// The process-wide buffers every frame is rendered from.
#pragma once

#include <cstdint>

namespace vandrel::engine {

// Pictures and frames are always 256 x 256 bytes: every index is one byte.
inline constexpr int kFrameSide = 256;

}  // namespace vandrel::engine

// The current picture, 256 rows of 256 bytes in the surface's memory row
// order. The view allocates it and fills it when a picture is selected; the
// renderer only reads it.
extern std::uint8_t* g_pSourceBits;

// Scratch rebuilt at the start of every frame: entry i is the source column
// that feeds destination column 255 - i.
extern std::uint8_t g_byColumnMap[vandrel::engine::kFrameSide];
