// The instruction-set paths of the renderer. RenderFrame picks the fastest one
// the CPU has, once; tests and benchmarks can run any of them by name.
#pragma once

#include "engine/render_frame.h"

#include <array>
#include <string_view>

namespace vandrel::engine {

enum class RenderPath { kScalar, kAvx2, kAvx512Vbmi };

inline constexpr std::array kAllRenderPaths{RenderPath::kScalar, RenderPath::kAvx2,
                                            RenderPath::kAvx512Vbmi};

// False for a path this build does not contain (x86 paths on other
// processors) or this CPU cannot run.
bool IsRenderPathSupported(RenderPath path);

RenderPath FastestRenderPath();

std::string_view RenderPathName(RenderPath path);

// RenderFrame through the given path. Throws std::invalid_argument for a path
// that IsRenderPathSupported rejects, rather than dying on an illegal
// instruction.
void RenderFrameWithPath(RenderPath path, std::span<const std::int32_t, kWaveEntries> wave,
                         std::uint32_t colPhase, std::uint32_t rowPhase, MemoryRowOrder order,
                         RowAccessor destRow);

}  // namespace vandrel::engine
