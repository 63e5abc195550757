// The row kernel of the exact x2 copy, the size the program presents every
// frame: each 8-bit source pixel goes through the colour lookup once and
// becomes two 32-bit pixels side by side, written to both destination rows
// it covers. One kernel per instruction set, chosen at run time; all give
// byte-identical results.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vandrel::wing {

// The lookup in the forms the kernels read: whole colours, and each byte of
// every colour as a plane of its own, which byte shuffles can look up 64
// pixels at a time. Prepared once per blit, not per row.
struct DoublingTable {
    alignas(64) std::uint8_t planes[4][256];
    std::uint32_t colours[256];
};
void PrepareDoublingTable(const std::uint32_t* lookup, DoublingTable& table);

using DoubleRowKernel = void (*)(const std::uint8_t* source, int count, const DoublingTable& table,
                                 std::uint32_t* upper, std::uint32_t* lower);

enum class BlitPath { kScalar, kAvx2, kAvx512Vbmi };
// Slowest first.
inline constexpr std::array kAllBlitPaths{BlitPath::kScalar, BlitPath::kAvx2,
                                          BlitPath::kAvx512Vbmi};

bool IsBlitPathSupported(BlitPath path);
BlitPath FastestBlitPath();
std::string_view BlitPathName(BlitPath path);
// The kernel of a supported path; the scalar one for a path this CPU or
// build lacks.
DoubleRowKernel DoubleRowKernelOf(BlitPath path);

namespace detail {

// Pixels to do one by one first so that the wide stores into `upper` start
// on a `vectorBytes` boundary: a store split across two cache lines costs
// about twice as much, and each pixel fills 8 bytes, so alignment is only
// reachable from an 8-byte boundary.
inline int PixelsBeforeAlignment(const std::uint32_t* upper, int count, int vectorBytes) {
    const auto address = reinterpret_cast<std::uintptr_t>(upper);
    if (address % 8 != 0) {
        return 0;
    }
    const int head = static_cast<int>((vectorBytes - address % vectorBytes) % vectorBytes) / 8;
    return head < count ? head : count;
}

void DoubleRowScalar(const std::uint8_t* source, int count, const DoublingTable& table,
                     std::uint32_t* upper, std::uint32_t* lower);
void DoubleRowAvx2(const std::uint8_t* source, int count, const DoublingTable& table,
                   std::uint32_t* upper, std::uint32_t* lower);
void DoubleRowAvx512Vbmi(const std::uint8_t* source, int count, const DoublingTable& table,
                         std::uint32_t* upper, std::uint32_t* lower);

}  // namespace detail
}  // namespace vandrel::wing
