#include "wing/doubled_copy.h"

#include <algorithm>
#include <cstring>

namespace vandrel::wing {

DoubledCopy::DoubledCopy(const gdi::PixelBuffer& source, int x, int y, int width, int height,
                         const gdi::PixelLookup& lookup, POINT to)
    : m_width(width),
      m_height(height),
      m_to(to),
      // Every byte is written below, so none is cleared first.
      m_pixels(std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(width) *
                                                              static_cast<std::size_t>(height))) {
    const auto rowBytes = static_cast<std::size_t>(width);
    for (int r = 0; r < height; ++r) {
        std::memcpy(m_pixels.get() + static_cast<std::size_t>(r) * rowBytes, source.Row(y + r) + x,
                    rowBytes);
    }
    std::copy_n(lookup, m_lookup.size(), m_lookup.begin());
}

RECT DoubledCopy::Area() const {
    return RECT{m_to.x, m_to.y, m_to.x + 2 * m_width, m_to.y + 2 * m_height};
}

void DoubledCopy::DrawAt(const gdi::PixelBuffer& target, int x, int y, TopByte top) const {
    static const DoubleRowKernel kernel = DoubleRowKernelOf(FastestBlitPath());
    const std::uint32_t topBits = top == TopByte::kOpaque ? 0xFF000000u : 0u;
    gdi::PixelLookup lookup;
    for (std::size_t i = 0; i < m_lookup.size(); ++i) {
        lookup[i] = m_lookup[i] | topBits;
    }
    DoublingTable table;
    PrepareDoublingTable(lookup, table);
    const auto rowBytes = static_cast<std::size_t>(m_width);
    for (int r = 0; r < m_height; ++r) {
        const std::uint8_t* in = m_pixels.get() + static_cast<std::size_t>(r) * rowBytes;
        auto* upper = reinterpret_cast<std::uint32_t*>(target.Row(y + 2 * r)) + x;
        auto* lower = reinterpret_cast<std::uint32_t*>(target.Row(y + 2 * r + 1)) + x;
        kernel(in, m_width, table, upper, lower);
    }
}

}  // namespace vandrel::wing
