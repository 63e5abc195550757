// Runs one frame through a kernel: everything of a frame except the byte
// shuffling, which is all that differs between the instruction-set paths.
#pragma once

#include "engine/kernels/frame_kernels.h"
#include "engine/render_frame.h"

namespace vandrel::engine::detail {

void RenderWithKernel(FrameKernel kernel, std::span<const std::int32_t, kWaveEntries> wave,
                      std::uint32_t colPhase, std::uint32_t rowPhase, MemoryRowOrder order,
                      RowAccessor destRow);

}  // namespace vandrel::engine::detail
