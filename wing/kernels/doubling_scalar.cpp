#include <cstring>

#include "wing/kernels/doubling_kernels.h"

namespace vandrel::wing::detail {

void DoubleRowScalar(const std::uint8_t* source, int count, const std::uint32_t* lookup,
                     std::uint32_t* upper, std::uint32_t* lower) {
    for (int i = 0; i < count; ++i) {
        // Both copies of a pixel in one 64-bit store.
        const std::uint64_t pair = lookup[source[i]] * std::uint64_t{0x100000001};
        std::memcpy(upper + 2 * i, &pair, sizeof pair);
        std::memcpy(lower + 2 * i, &pair, sizeof pair);
    }
}

}  // namespace vandrel::wing::detail
