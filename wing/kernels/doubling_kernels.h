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

using DoubleRowKernel = void (*)(const std::uint8_t* source, int count, const std::uint32_t* lookup,
                                 std::uint32_t* upper, std::uint32_t* lower);

enum class BlitPath { kScalar, kAvx2, kAvx512 };
// Slowest first.
inline constexpr std::array kAllBlitPaths{BlitPath::kScalar, BlitPath::kAvx2, BlitPath::kAvx512};

bool IsBlitPathSupported(BlitPath path);
BlitPath FastestBlitPath();
std::string_view BlitPathName(BlitPath path);
// The kernel of a supported path; the scalar one for a path this CPU or
// build lacks.
DoubleRowKernel DoubleRowKernelOf(BlitPath path);

namespace detail {

void DoubleRowScalar(const std::uint8_t* source, int count, const std::uint32_t* lookup,
                     std::uint32_t* upper, std::uint32_t* lower);
void DoubleRowAvx2(const std::uint8_t* source, int count, const std::uint32_t* lookup,
                   std::uint32_t* upper, std::uint32_t* lower);
void DoubleRowAvx512(const std::uint8_t* source, int count, const std::uint32_t* lookup,
                     std::uint32_t* upper, std::uint32_t* lower);

}  // namespace detail
}  // namespace vandrel::wing
