// Sixty-four pixels per step without a single gather: each byte of the
// colours is looked up as a plane of its own with byte shuffles across two
// registers (the 256 entries of a plane fill four), the planes are paired,
// and one more shuffle per output register interleaves the bytes back into
// colours, each laid down twice.
#include <immintrin.h>

#include <array>

#include "wing/kernels/doubling_kernels.h"

namespace vandrel::wing::detail {
namespace {

using Selector = std::array<std::uint8_t, 64>;

// Pairs byte planes p and q of 64 pixels: pixel n of a half (0 or 1) gets
// bytes 2n (from p) and 2n + 1 (from q) of the result.
constexpr Selector PairSelector(int half) {
    Selector s{};
    for (int j = 0; j < 64; ++j) {
        s[j] = static_cast<std::uint8_t>((j % 2 == 0 ? 0 : 64) + 32 * half + j / 2);
    }
    return s;
}

// Output register k of a half covers its pixels 8k .. 8k + 7, eight bytes
// each: bytes 0, 1 from the first pair, 2, 3 from the second, twice over.
constexpr Selector ColourSelector(int k) {
    Selector s{};
    for (int j = 0; j < 64; ++j) {
        const int pixel = 8 * k + j / 8;
        const int channel = j % 4;
        s[j] = static_cast<std::uint8_t>((channel < 2 ? 0 : 64) + 2 * pixel + channel % 2);
    }
    return s;
}

constexpr std::array<Selector, 2> kPairs{PairSelector(0), PairSelector(1)};
constexpr std::array<Selector, 4> kColours{ColourSelector(0), ColourSelector(1), ColourSelector(2),
                                           ColourSelector(3)};

__m512i Load(const std::uint8_t* bytes) {
    return _mm512_loadu_si512(bytes);
}

struct Plane {
    __m512i quarter[4];
};

__m512i LookUp(const Plane& plane, __m512i indices, __mmask64 upperHalf) {
    const __m512i low = _mm512_permutex2var_epi8(plane.quarter[0], indices, plane.quarter[1]);
    const __m512i high = _mm512_permutex2var_epi8(plane.quarter[2], indices, plane.quarter[3]);
    return _mm512_mask_blend_epi8(upperHalf, low, high);
}

}  // namespace

void DoubleRowAvx512Vbmi(const std::uint8_t* source, int count, const DoublingTable& table,
                         std::uint32_t* upper, std::uint32_t* lower) {
    Plane planes[4];
    for (int p = 0; p < 4; ++p) {
        for (int q = 0; q < 4; ++q) {
            planes[p].quarter[q] = Load(table.planes[p] + 64 * q);
        }
    }
    const __m512i pairs[2] = {Load(kPairs[0].data()), Load(kPairs[1].data())};
    __m512i colours[4];
    for (int k = 0; k < 4; ++k) {
        colours[k] = Load(kColours[k].data());
    }
    // Sixty-four pixels from `i` on. A row's last, partial step takes only
    // the `valid` real ones, with masks, so no row ends in a slow loop; full
    // steps store unmasked, which is faster.
    const auto step = [&]<bool kPartial>(int i, int valid) {
        const __m512i indices =
            kPartial ? _mm512_maskz_loadu_epi8((__mmask64{1} << valid) - 1, source + i)
                     : Load(source + i);
        const __mmask64 upperHalf = _mm512_movepi8_mask(indices);
        __m512i bytes[4];
        for (int p = 0; p < 4; ++p) {
            bytes[p] = LookUp(planes[p], indices, upperHalf);
        }
        for (int half = 0; half < 2; ++half) {
            const __m512i low = _mm512_permutex2var_epi8(bytes[0], pairs[half], bytes[1]);
            const __m512i high = _mm512_permutex2var_epi8(bytes[2], pairs[half], bytes[3]);
            for (int k = 0; k < 4; ++k) {
                const int first = 32 * half + 8 * k;
                const __m512i doubled = _mm512_permutex2var_epi8(low, colours[k], high);
                const int offset = 2 * (i + first);
                if constexpr (kPartial) {
                    const int pixels = valid - first >= 8 ? 8 : valid - first;
                    if (pixels <= 0) {
                        return;
                    }
                    const auto words = static_cast<__mmask16>((1u << (2 * pixels)) - 1);
                    _mm512_mask_storeu_epi32(upper + offset, words, doubled);
                    _mm512_mask_storeu_epi32(lower + offset, words, doubled);
                } else {
                    _mm512_storeu_si512(upper + offset, doubled);
                    _mm512_storeu_si512(lower + offset, doubled);
                }
            }
        }
    };
    // Rows below share the alignment of the row above when the image's
    // stride is a multiple of the vector, as window images' strides are.
    int i = PixelsBeforeAlignment(upper, count, 64);
    DoubleRowScalar(source, i, table, upper, lower);
    for (; i + 64 <= count; i += 64) {
        step.operator()<false>(i, 64);
    }
    if (i < count) {
        step.operator()<true>(i, count - i);
    }
}

}  // namespace vandrel::wing::detail
