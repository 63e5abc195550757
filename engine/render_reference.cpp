#include "engine/frame_indexing.h"
#include "engine/render_frame.h"
#include "engine/render_state.h"

namespace vandrel::engine {

void RenderFrameReference(std::span<const std::int32_t, kWaveEntries> wave, std::uint32_t colPhase,
                          std::uint32_t rowPhase, MemoryRowOrder order, RowAccessor destRow) {
    detail::RequireSourceBits();
    for (int y = 0; y < kFrameSide; ++y) {
        const std::uint32_t r = detail::MemoryRowOfPictureRow(y, order);
        const std::uint8_t sourceRow = detail::WrapByte(r, detail::WaveAt(wave, rowPhase + r));
        std::uint8_t* dest = destRow(y);
        for (std::uint32_t d = 0; d < kFrameSide; ++d) {
            const std::uint8_t sourceColumn =
                detail::WrapByte(255u - d, detail::WaveAt(wave, colPhase + 255u - d));
            dest[d] = g_pSourceBits[kFrameSide * sourceRow + sourceColumn];
        }
    }
}

}  // namespace vandrel::engine
