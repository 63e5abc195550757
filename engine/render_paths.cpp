#include "engine/render_paths.h"

#include "engine/frame_driver.h"
#include "engine/kernels/frame_kernels.h"

#include <stdexcept>

namespace vandrel::engine {

namespace {

detail::FrameKernel KernelOf(RenderPath path) {
    switch (path) {
#if VANDREL_ENGINE_X86_PATHS
        case RenderPath::kAvx512Vbmi:
            return detail::RenderRowsAvx512Vbmi;
        case RenderPath::kAvx2:
            return detail::RenderRowsAvx2;
#else
        case RenderPath::kAvx512Vbmi:
        case RenderPath::kAvx2:
            break;
#endif
        case RenderPath::kScalar:
            return detail::RenderRowsScalar;
    }
    throw std::invalid_argument("render path not built");
}

}  // namespace

bool IsRenderPathSupported(RenderPath path) {
    switch (path) {
        case RenderPath::kScalar:
            return true;
#if VANDREL_ENGINE_X86_PATHS
        // The checks include the operating system's consent to save the wide
        // registers, not only the CPU's feature bits.
        case RenderPath::kAvx2:
            return __builtin_cpu_supports("avx2");
        case RenderPath::kAvx512Vbmi:
            return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                   __builtin_cpu_supports("avx512vbmi");
#else
        case RenderPath::kAvx2:
        case RenderPath::kAvx512Vbmi:
            return false;
#endif
    }
    return false;
}

RenderPath FastestRenderPath() {
    // Listed slowest first, so the last one the CPU can run wins.
    RenderPath fastest = RenderPath::kScalar;
    for (RenderPath path : kAllRenderPaths) {
        if (IsRenderPathSupported(path)) {
            fastest = path;
        }
    }
    return fastest;
}

std::string_view RenderPathName(RenderPath path) {
    switch (path) {
        case RenderPath::kScalar:
            return "scalar";
        case RenderPath::kAvx2:
            return "avx2";
        case RenderPath::kAvx512Vbmi:
            return "avx512vbmi";
    }
    return "unknown";
}

void RenderFrameWithPath(RenderPath path, std::span<const std::int32_t, kWaveEntries> wave,
                         std::uint32_t colPhase, std::uint32_t rowPhase, MemoryRowOrder order,
                         RowAccessor destRow) {
    if (!IsRenderPathSupported(path)) {
        throw std::invalid_argument("render path not supported on this CPU");
    }
    detail::RenderWithKernel(KernelOf(path), wave, colPhase, rowPhase, order, destRow);
}

void RenderFrame(std::span<const std::int32_t, kWaveEntries> wave, std::uint32_t colPhase,
                 std::uint32_t rowPhase, MemoryRowOrder order, RowAccessor destRow) {
    // The CPU does not change while we run: choose once, then every frame is
    // one indirect call.
    static const detail::FrameKernel kFastest = KernelOf(FastestRenderPath());
    detail::RenderWithKernel(kFastest, wave, colPhase, rowPhase, order, destRow);
}

}  // namespace vandrel::engine
