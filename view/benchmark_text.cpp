#include "view/benchmark_text.h"

namespace vandrel::view {

CString FrameBenchmarkText(int nFrames, DWORD dwMs, CSize size) {
    const double seconds = static_cast<double>(dwMs) * static_cast<double>(0.001F);
    CString text;
    text.Format("Rendered %i frames in %.2f seconds (%lu ms) at %i x %i", nFrames, seconds,
                static_cast<unsigned long>(dwMs), static_cast<int>(size.cx),
                static_cast<int>(size.cy));
    return text;
}

CString TimedBenchmarkText(int nFrames, int nSeconds, DWORD dwElapsedMs, CSize size) {
    CString text;
    text.Format(nSeconds == 1 ? "Rendered %i frames in %i second (%lu ms) at %i x %i"
                              : "Rendered %i frames in %i seconds (%lu ms) at %i x %i",
                nFrames, nSeconds, static_cast<unsigned long>(dwElapsedMs),
                static_cast<int>(size.cx), static_cast<int>(size.cy));
    return text;
}

}  // namespace vandrel::view
