// Composes one frame of the wave: every byte of the 256 x 256 destination is
// taken from g_pSourceBits, displaced sideways by the table per column and up
// or down by the table per row, and mirrored left to right because the
// pictures are stored mirrored.
#pragma once

#include "engine/row_accessor.h"
#include "engine/wave_table.h"

#include <cstdint>
#include <span>

namespace vandrel::engine {

// How the destination's pixel memory is ordered. The vertical wave runs along
// memory rows, so the order decides which end of the picture it starts from.
enum class MemoryRowOrder { kBottomUp, kTopDown };

// The surface's orientation number: 1 is bottom-up, anything else top-down.
constexpr MemoryRowOrder RowOrderFromOrientation(int orientation) {
    return orientation == 1 ? MemoryRowOrder::kBottomUp : MemoryRowOrder::kTopDown;
}

// Memory row r, byte d of the destination receives source row
// (r + W[(rowPhase + r) mod 256]) mod 256, byte
// ((255 - d) + W[(colPhase + 255 - d) mod 256]) mod 256. Only the low eight
// bits of each phase matter, so the counters may wrap freely. destRow(y)
// returns picture row y counted from the top; rows are written from the top
// of the picture downwards. Rebuilds g_byColumnMap. Throws std::logic_error,
// before writing anything, when g_pSourceBits or a destination row is null.
void RenderFrame(std::span<const std::int32_t, kWaveEntries> wave, std::uint32_t colPhase,
                 std::uint32_t rowPhase, MemoryRowOrder order, RowAccessor destRow);

// The same frame computed straight from the formula, byte by byte, as the
// yardstick for the fast paths. Leaves g_byColumnMap alone.
void RenderFrameReference(std::span<const std::int32_t, kWaveEntries> wave, std::uint32_t colPhase,
                          std::uint32_t rowPhase, MemoryRowOrder order, RowAccessor destRow);

}  // namespace vandrel::engine
