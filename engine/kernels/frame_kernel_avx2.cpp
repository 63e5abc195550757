// Compiled with AVX2; only ever called after the CPU has been checked for it.
#include "engine/kernels/frame_kernels.h"

#include <immintrin.h>

namespace vandrel::engine::detail {

namespace {

constexpr int kBlock = 16;  // bytes one in-lane byte shuffle can look up in
constexpr int kBlocks = kFrameSide / kBlock;
constexpr int kChunk = 32;  // destination bytes per register
constexpr int kChunks = kFrameSide / kChunk;

// Which 16-byte source blocks a destination chunk reads from, each with the
// shuffle control that takes its bytes from that block and zeroes the rest.
struct ChunkPlan {
    int blockCount;
    int blockOffset[kBlocks];
    __m256i control[kBlocks];
};

unsigned BlocksUsed(const std::uint8_t* sourceColumnOf) {
    unsigned used = 0;
    for (int d = 0; d < kChunk; ++d) {
        used |= 1u << (sourceColumnOf[d] / kBlock);
    }
    return used;
}

void PlanChunk(const std::uint8_t* sourceColumnOf, ChunkPlan& plan) {
    const __m256i columns = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sourceColumnOf));
    const __m256i highNibble = _mm256_set1_epi8(static_cast<char>(0xF0));
    const __m256i zeroLane = _mm256_set1_epi8(static_cast<char>(0x80));
    const unsigned used = BlocksUsed(sourceColumnOf);
    plan.blockCount = 0;
    for (int block = 0; block < kBlocks; ++block) {
        if ((used & (1u << block)) == 0) {
            continue;
        }
        // Relative to the block an index is in range exactly when its high
        // nibble is clear; out-of-range bytes get bit 7, which the shuffle
        // turns into zero so the blocks can simply be ORed together.
        const __m256i relative =
            _mm256_sub_epi8(columns, _mm256_set1_epi8(static_cast<char>(block * kBlock)));
        const __m256i inBlock =
            _mm256_cmpeq_epi8(_mm256_and_si256(relative, highNibble), _mm256_setzero_si256());
        plan.blockOffset[plan.blockCount] = block * kBlock;
        plan.control[plan.blockCount] =
            _mm256_or_si256(relative, _mm256_andnot_si256(inBlock, zeroLane));
        ++plan.blockCount;
    }
}

}  // namespace

void RenderRowsAvx2(const std::uint8_t* columnMap, const RowJob* rows) {
    // The byte shuffle of AVX2 only looks up within 16 bytes, but a small
    // displacement keeps each destination chunk within a few source blocks,
    // so a per-frame plan lists just those and a row costs a few shuffles
    // per chunk. Any table stays correct; a wilder one only costs more.
    std::uint8_t sourceColumnOf[kFrameSide];
    for (int d = 0; d < kFrameSide; ++d) {
        sourceColumnOf[d] = columnMap[kFrameSide - 1 - d];
    }
    ChunkPlan plans[kChunks];
    for (int chunk = 0; chunk < kChunks; ++chunk) {
        PlanChunk(sourceColumnOf + chunk * kChunk, plans[chunk]);
    }
    for (int y = 0; y < kFrameSide; ++y) {
        const std::uint8_t* source = rows[y].source;
        std::uint8_t* dest = rows[y].dest;
        for (int chunk = 0; chunk < kChunks; ++chunk) {
            const ChunkPlan& plan = plans[chunk];
            __m256i gathered = _mm256_setzero_si256();
            for (int i = 0; i < plan.blockCount; ++i) {
                // The same block in both halves, since each half of the
                // register shuffles on its own.
                const __m256i block = _mm256_broadcastsi128_si256(_mm_loadu_si128(
                    reinterpret_cast<const __m128i*>(source + plan.blockOffset[i])));
                gathered = _mm256_or_si256(gathered, _mm256_shuffle_epi8(block, plan.control[i]));
            }
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest + chunk * kChunk), gathered);
        }
    }
}

}  // namespace vandrel::engine::detail
