#include <cstring>

#include "wing/kernels/doubling_kernels.h"

namespace vandrel::wing {

void PrepareDoublingTable(const std::uint32_t* lookup, DoublingTable& table) {
    for (int i = 0; i < 256; ++i) {
        table.colours[i] = lookup[i];
        for (int plane = 0; plane < 4; ++plane) {
            table.planes[plane][i] = static_cast<std::uint8_t>(lookup[i] >> (8 * plane));
        }
    }
}

namespace detail {

void DoubleRowScalar(const std::uint8_t* source, int count, const DoublingTable& table,
                     std::uint32_t* upper, std::uint32_t* lower) {
    for (int i = 0; i < count; ++i) {
        // Both copies of a pixel in one 64-bit store.
        const std::uint64_t pair = table.colours[source[i]] * std::uint64_t{0x100000001};
        std::memcpy(upper + 2 * i, &pair, sizeof pair);
        std::memcpy(lower + 2 * i, &pair, sizeof pair);
    }
}

}  // namespace detail
}  // namespace vandrel::wing
