// The per-path inner loops. Each one receives the frame already resolved: the
// column map and, for every destination row in writing order, its source row.
//
// The x86 kernels are compiled with their own instruction-set flags. An inline
// function or template instantiated in such a file may be emitted there with
// those instructions and then chosen by the linker for every other caller, so
// this interface and the kernel files stick to plain pointers and intrinsics.
#pragma once

#include "engine/render_state.h"

#include <cstdint>

namespace vandrel::engine::detail {

struct RowJob {
    const std::uint8_t* source;  // the 256 source bytes this row is drawn from
    std::uint8_t* dest;          // the 256 destination bytes to write
};

// Destination byte d of every row receives source byte columnMap[255 - d].
using FrameKernel = void (*)(const std::uint8_t* columnMap, const RowJob* rows);

void RenderRowsScalar(const std::uint8_t* columnMap, const RowJob* rows);
#if VANDREL_ENGINE_X86_PATHS
void RenderRowsAvx2(const std::uint8_t* columnMap, const RowJob* rows);
void RenderRowsAvx512Vbmi(const std::uint8_t* columnMap, const RowJob* rows);
#endif

}  // namespace vandrel::engine::detail
