#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "wing/kernels/doubling_kernels.h"

namespace {

using namespace vandrel::wing;

// Every instruction-set path must write exactly what the plain loop writes,
// including the tails shorter than a vector.
TEST(DoublingKernelsTest, EveryPathDoublesEachPixelThroughTheLookup) {
    std::mt19937 random(7);
    std::uint32_t lookup[256];
    for (std::uint32_t& entry : lookup) {
        entry = random();
    }
    DoublingTable table;
    PrepareDoublingTable(lookup, table);
    for (BlitPath path : kAllBlitPaths) {
        if (!IsBlitPathSupported(path)) {
            continue;
        }
        const DoubleRowKernel kernel = DoubleRowKernelOf(path);
        for (int count : {0, 1, 7, 8, 9, 63, 64, 65, 127, 256, 257}) {
            // Destinations at every 4-byte offset within a cache line, so the
            // alignment head and the vector tail both get exercised.
            for (int shift = 0; shift < 16; ++shift) {
                std::vector<std::uint8_t> source(static_cast<std::size_t>(count));
                for (std::uint8_t& pixel : source) {
                    pixel = static_cast<std::uint8_t>(random());
                }
                // One guard pixel past the end of each row catches overruns.
                const std::size_t wide = 2 * source.size() + 1;
                std::vector<std::uint32_t> upper(wide + 16, 0xDEADBEEF);
                std::vector<std::uint32_t> lower(wide + 16, 0xDEADBEEF);
                kernel(source.data(), count, table, upper.data() + shift, lower.data() + shift);
                for (std::size_t i = 0; i < source.size(); ++i) {
                    const std::uint32_t colour = lookup[source[i]];
                    ASSERT_EQ(upper[shift + 2 * i], colour)
                        << BlitPathName(path) << " " << count << " " << shift << " " << i;
                    ASSERT_EQ(upper[shift + 2 * i + 1], colour) << BlitPathName(path) << " " << i;
                }
                EXPECT_EQ(lower, upper) << BlitPathName(path) << " " << count;
                EXPECT_EQ(upper[shift + wide - 1], 0xDEADBEEF) << BlitPathName(path) << count;
                if (shift > 0) {
                    EXPECT_EQ(upper[shift - 1], 0xDEADBEEF) << BlitPathName(path) << count;
                }
            }
        }
    }
}

TEST(DoublingKernelsTest, FastestPathIsSupported) {
    EXPECT_TRUE(IsBlitPathSupported(FastestBlitPath()));
    EXPECT_TRUE(IsBlitPathSupported(BlitPath::kScalar));
}

}  // namespace
