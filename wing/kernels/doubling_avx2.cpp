// Eight pixels per step: one gather through the lookup, then two lane
// permutes lay each colour down twice.
#include <immintrin.h>

#include "wing/kernels/doubling_kernels.h"

namespace vandrel::wing::detail {

void DoubleRowAvx2(const std::uint8_t* source, int count, const DoublingTable& table,
                   std::uint32_t* upper, std::uint32_t* lower) {
    const __m256i firstHalf = _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3);
    const __m256i secondHalf = _mm256_setr_epi32(4, 4, 5, 5, 6, 6, 7, 7);
    const auto* entries = reinterpret_cast<const int*>(table.colours);
    // Rows below share the alignment of the row above when the image's
    // stride is a multiple of the vector, as window images' strides are.
    int i = PixelsBeforeAlignment(upper, count, 32);
    DoubleRowScalar(source, i, table, upper, lower);
    for (; i + 8 <= count; i += 8) {
        const __m256i indices =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + i)));
        const __m256i colours = _mm256_i32gather_epi32(entries, indices, 4);
        const __m256i low = _mm256_permutevar8x32_epi32(colours, firstHalf);
        const __m256i high = _mm256_permutevar8x32_epi32(colours, secondHalf);
        auto* up = reinterpret_cast<__m256i*>(upper + 2 * i);
        auto* down = reinterpret_cast<__m256i*>(lower + 2 * i);
        _mm256_storeu_si256(up, low);
        _mm256_storeu_si256(up + 1, high);
        _mm256_storeu_si256(down, low);
        _mm256_storeu_si256(down + 1, high);
    }
    DoubleRowScalar(source + i, count - i, table, upper + 2 * i, lower + 2 * i);
}

}  // namespace vandrel::wing::detail
