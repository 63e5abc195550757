#include "wing/kernels/doubling_kernels.h"

namespace vandrel::wing {

bool IsBlitPathSupported(BlitPath path) {
    switch (path) {
        case BlitPath::kScalar:
            return true;
#if VANDREL_WING_X86_PATHS
        // These checks include the operating system's consent to save the
        // wide registers, not only the CPU's feature bits.
        case BlitPath::kAvx2:
            return __builtin_cpu_supports("avx2");
        case BlitPath::kAvx512Vbmi:
            return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                   __builtin_cpu_supports("avx512vbmi");
#else
        case BlitPath::kAvx2:
        case BlitPath::kAvx512Vbmi:
            return false;
#endif
    }
    return false;
}

BlitPath FastestBlitPath() {
    BlitPath fastest = BlitPath::kScalar;
    for (BlitPath path : kAllBlitPaths) {
        if (IsBlitPathSupported(path)) {
            fastest = path;
        }
    }
    return fastest;
}

std::string_view BlitPathName(BlitPath path) {
    switch (path) {
        case BlitPath::kScalar:
            return "scalar";
        case BlitPath::kAvx2:
            return "avx2";
        case BlitPath::kAvx512Vbmi:
            return "avx512vbmi";
    }
    return "unknown";
}

DoubleRowKernel DoubleRowKernelOf(BlitPath path) {
    if (!IsBlitPathSupported(path)) {
        return detail::DoubleRowScalar;
    }
    switch (path) {
#if VANDREL_WING_X86_PATHS
        case BlitPath::kAvx2:
            return detail::DoubleRowAvx2;
        case BlitPath::kAvx512Vbmi:
            return detail::DoubleRowAvx512Vbmi;
#endif
        default:
            return detail::DoubleRowScalar;
    }
}

}  // namespace vandrel::wing
