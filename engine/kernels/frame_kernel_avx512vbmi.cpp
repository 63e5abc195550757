// Compiled with AVX-512 F, BW and VBMI; only ever called after the CPU has
// been checked for all three.
#include "engine/kernels/frame_kernels.h"

#include <immintrin.h>

namespace vandrel::engine::detail {

namespace {

constexpr int kLanes = 64;
constexpr int kChunks = kFrameSide / kLanes;

}  // namespace

void RenderRowsAvx512Vbmi(const std::uint8_t* columnMap, const RowJob* rows) {
    // One two-register byte permute looks up 64 destination bytes in 128
    // source bytes. A row has 256, so every 64-byte chunk is looked up in
    // both halves of the row and bit 7 of its index picks the half.
    std::uint8_t sourceColumnOf[kFrameSide];
    for (int d = 0; d < kFrameSide; ++d) {
        sourceColumnOf[d] = columnMap[kFrameSide - 1 - d];
    }
    __m512i sourceIndex[kChunks];
    __mmask64 fromUpperHalf[kChunks];
    for (int chunk = 0; chunk < kChunks; ++chunk) {
        sourceIndex[chunk] = _mm512_loadu_si512(sourceColumnOf + chunk * kLanes);
        fromUpperHalf[chunk] = _mm512_movepi8_mask(sourceIndex[chunk]);
    }
    for (int y = 0; y < kFrameSide; ++y) {
        const std::uint8_t* source = rows[y].source;
        std::uint8_t* dest = rows[y].dest;
        const __m512i s0 = _mm512_loadu_si512(source);
        const __m512i s1 = _mm512_loadu_si512(source + kLanes);
        const __m512i s2 = _mm512_loadu_si512(source + 2 * kLanes);
        const __m512i s3 = _mm512_loadu_si512(source + 3 * kLanes);
        for (int chunk = 0; chunk < kChunks; ++chunk) {
            const __m512i lower = _mm512_permutex2var_epi8(s0, sourceIndex[chunk], s1);
            const __m512i upper = _mm512_permutex2var_epi8(s2, sourceIndex[chunk], s3);
            _mm512_storeu_si512(dest + chunk * kLanes,
                                _mm512_mask_blend_epi8(fromUpperHalf[chunk], lower, upper));
        }
    }
}

}  // namespace vandrel::engine::detail
