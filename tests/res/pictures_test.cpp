// The six built-in pictures as the program finds them: bitmap resources in
// the exact packed form the surface loader reads, with real content, and
// safe to show on a 256-colour palette display.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <span>
#include <string>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"

namespace {

constexpr std::size_t kHeaderBytes = 40;
constexpr std::size_t kTableBytes = 1024;
constexpr std::size_t kPixelBytes = 256 * 256;

std::int32_t Field32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(bytes[offset] | (bytes[offset + 1] << 8) |
                                     (bytes[offset + 2] << 16) |
                                     (std::uint32_t{bytes[offset + 3]} << 24));
}

int Field16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8);
}

// Looked up the way the view does it, by its lower-case name.
std::span<const std::uint8_t> FindPicture(const std::string& name) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, name.c_str(), RT_BITMAP);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return {bytes, SizeofResource(module, found)};
}

class PictureTest : public testing::TestWithParam<const char*> {};

TEST_P(PictureTest, IsAPacked256By256DibOfEightBits) {
    std::span<const std::uint8_t> dib = FindPicture(GetParam());
    ASSERT_EQ(dib.size(), kHeaderBytes + kTableBytes + kPixelBytes);
    EXPECT_EQ(Field32(dib, 0), 40) << "biSize";
    EXPECT_EQ(Field32(dib, 4), 256) << "biWidth";
    EXPECT_EQ(Field32(dib, 8), 256) << "biHeight, positive for bottom-up rows";
    EXPECT_EQ(Field16(dib, 12), 1) << "biPlanes";
    EXPECT_EQ(Field16(dib, 14), 8) << "biBitCount";
    EXPECT_EQ(Field32(dib, 16), 0) << "biCompression";
}

TEST_P(PictureTest, UsesManyColoursAndOnlyItsOwnOrExactStaticOnes) {
    std::span<const std::uint8_t> dib = FindPicture(GetParam());
    ASSERT_EQ(dib.size(), kHeaderBytes + kTableBytes + kPixelBytes);
    std::span<const std::uint8_t> table = dib.subspan(kHeaderBytes, kTableBytes);
    std::set<int> used(dib.begin() + kHeaderBytes + kTableBytes, dib.end());

    EXPECT_GE(used.size(), 64u) << "a picture, not a blank";
    // A palette display replaces entries 0-9 and 246-255 with its own
    // colours; only black in 0 and white in 255 survive that unchanged.
    for (int index : used) {
        const std::uint8_t* colour = &table[static_cast<std::size_t>(index) * 4];
        if (index == 0) {
            EXPECT_EQ(colour[0] | colour[1] | colour[2], 0) << "entry 0 must be black";
        } else if (index == 255) {
            EXPECT_EQ(colour[0] & colour[1] & colour[2], 255) << "entry 255 must be white";
        } else {
            EXPECT_TRUE(index >= 10 && index <= 245) << "pixels use static entry " << index;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, PictureTest,
                         testing::Values("zorble1", "zorble2", "zorble3", "zorble4", "tavik",
                                         "morlo"),
                         [](const testing::TestParamInfo<const char*>& name) {
                             return std::string(name.param);
                         });

}  // namespace
