#include "engine/frame_driver.h"

#include "engine/frame_indexing.h"
#include "engine/render_state.h"

#include <array>
#include <stdexcept>

namespace vandrel::engine::detail {

void RenderWithKernel(FrameKernel kernel, std::span<const std::int32_t, kWaveEntries> wave,
                      std::uint32_t colPhase, std::uint32_t rowPhase, MemoryRowOrder order,
                      RowAccessor destRow) {
    RequireSourceBits();
    // The row displacement costs one lookup per row, so it is resolved here
    // into a source address; the kernel then only shuffles bytes. Every row is
    // resolved before the first byte is written, so a surface without pixel
    // memory is reported without leaving a half-drawn frame behind.
    std::array<RowJob, kFrameSide> rows;
    for (int y = 0; y < kFrameSide; ++y) {
        const std::uint32_t memoryRow = MemoryRowOfPictureRow(y, order);
        const std::uint8_t sourceRow = WrapByte(memoryRow, WaveAt(wave, rowPhase + memoryRow));
        std::uint8_t* dest = destRow(y);
        if (dest == nullptr) {
            throw std::logic_error("destination surface has no pixel row");
        }
        rows[static_cast<std::size_t>(y)] = RowJob{g_pSourceBits + kFrameSide * sourceRow, dest};
    }
    for (std::uint32_t i = 0; i < kFrameSide; ++i) {
        g_byColumnMap[i] = WrapByte(i, WaveAt(wave, colPhase + i));
    }
    kernel(g_byColumnMap, rows.data());
}

}  // namespace vandrel::engine::detail
