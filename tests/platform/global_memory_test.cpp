#include "platform/base/global_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

class GlobalMemoryTest : public ::testing::Test {
protected:
    void TearDown() override { vandrel::hooks::ClearAllocationFailure(); }
};

TEST_F(GlobalMemoryTest, LockedBlockIsUsableAlignedAndFoundByAddress) {
    const std::size_t before = vandrel::hooks::LiveGlobalBlocks();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 65536);
    ASSERT_NE(block, nullptr);
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % 64, 0u);
    std::memset(bytes, 0xAB, 65536);
    EXPECT_EQ(GlobalSize(block), 65536u);
    EXPECT_EQ(GlobalHandle(bytes), block);
    EXPECT_EQ(GlobalHandle(bytes + 1), nullptr);

    EXPECT_EQ(GlobalUnlock(block), FALSE);  // last lock released
    EXPECT_EQ(GlobalUnlock(block), FALSE);  // unbalanced unlock is refused, not counted
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(vandrel::hooks::LiveGlobalBlocks(), before);
    EXPECT_EQ(GlobalFree(block), block) << "a second free must be refused";
    EXPECT_EQ(GlobalLock(block), nullptr);
}

TEST_F(GlobalMemoryTest, NestedLocksCountDown) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    ASSERT_NE(block, nullptr);
    void* first = GlobalLock(block);
    EXPECT_EQ(GlobalLock(block), first);
    EXPECT_EQ(GlobalUnlock(block), TRUE);
    EXPECT_EQ(GlobalUnlock(block), FALSE);
    GlobalFree(block);
}

TEST_F(GlobalMemoryTest, ZeroInitAndZeroSizedBlocks) {
    HGLOBAL zeroed = GlobalAlloc(GHND, 100);
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(zeroed));
    ASSERT_NE(bytes, nullptr);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(bytes[i], 0) << i;
    }
    HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
    EXPECT_NE(empty, nullptr);
    EXPECT_NE(empty, zeroed);
    GlobalFree(zeroed);
    GlobalFree(empty);
}

TEST_F(GlobalMemoryTest, InjectedFailureLetsTheGivenNumberThrough) {
    vandrel::hooks::FailGlobalAllocAfter(1);
    HGLOBAL first = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 8), nullptr);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 8), nullptr);
    vandrel::hooks::ClearAllocationFailure();
    HGLOBAL later = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_NE(later, nullptr);
    GlobalFree(first);
    GlobalFree(later);
}

TEST_F(GlobalMemoryTest, NullAndForeignHandlesAreHarmless) {
    int local = 0;
    auto foreign = reinterpret_cast<HGLOBAL>(&local);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
    EXPECT_EQ(GlobalLock(foreign), nullptr);
    EXPECT_EQ(GlobalUnlock(foreign), FALSE);
    EXPECT_EQ(GlobalFree(foreign), foreign);
    EXPECT_EQ(GlobalHandle(&local), nullptr);
}

}  // namespace
