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
    for (BlitPath path : kAllBlitPaths) {
        if (!IsBlitPathSupported(path)) {
            continue;
        }
        const DoubleRowKernel kernel = DoubleRowKernelOf(path);
        for (int count : {0, 1, 7, 8, 9, 15, 16, 17, 31, 256, 257}) {
            std::vector<std::uint8_t> source(static_cast<std::size_t>(count));
            for (std::uint8_t& pixel : source) {
                pixel = static_cast<std::uint8_t>(random());
            }
            // One guard pixel past the end of each row catches overruns.
            const std::size_t wide = 2 * source.size() + 1;
            std::vector<std::uint32_t> upper(wide, 0xDEADBEEF);
            std::vector<std::uint32_t> lower(wide, 0xDEADBEEF);
            kernel(source.data(), count, lookup, upper.data(), lower.data());
            for (std::size_t i = 0; i < source.size(); ++i) {
                const std::uint32_t colour = lookup[source[i]];
                ASSERT_EQ(upper[2 * i], colour) << BlitPathName(path) << " " << count << " " << i;
                ASSERT_EQ(upper[2 * i + 1], colour) << BlitPathName(path) << " " << i;
            }
            EXPECT_EQ(lower, upper) << BlitPathName(path) << " " << count;
            EXPECT_EQ(upper.back(), 0xDEADBEEF) << BlitPathName(path) << " " << count;
        }
    }
}

TEST(DoublingKernelsTest, FastestPathIsSupported) {
    EXPECT_TRUE(IsBlitPathSupported(FastestBlitPath()));
    EXPECT_TRUE(IsBlitPathSupported(BlitPath::kScalar));
}

}  // namespace
