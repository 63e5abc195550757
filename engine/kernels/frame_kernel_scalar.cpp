#include "engine/kernels/frame_kernels.h"

namespace vandrel::engine::detail {

void RenderRowsScalar(const std::uint8_t* columnMap, const RowJob* rows) {
    // Reversed once per frame, so that each destination row is then written
    // front to back with one lookup and one load per byte.
    std::uint8_t sourceColumnOf[kFrameSide];
    for (int d = 0; d < kFrameSide; ++d) {
        sourceColumnOf[d] = columnMap[kFrameSide - 1 - d];
    }
    for (int y = 0; y < kFrameSide; ++y) {
        const std::uint8_t* source = rows[y].source;
        std::uint8_t* dest = rows[y].dest;
        for (int d = 0; d < kFrameSide; ++d) {
            dest[d] = source[sourceColumnOf[d]];
        }
    }
}

}  // namespace vandrel::engine::detail
