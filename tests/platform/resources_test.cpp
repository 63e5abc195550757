#include "platform/kernel/resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/base/instance.h"

namespace {

std::string Contents(LPCSTR name, LPCSTR type) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return "<missing>";
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

// The test executable embeds data/greeting.txt as "GREETING" of type "TEXT"
// and as number 7 of type RT_BITMAP (see CMakeLists.txt).
TEST(ResourcesTest, EmbeddedFilesAreFoundByNameOrNumber) {
    EXPECT_EQ(Contents("GREETING", "TEXT"), "hello resource");
    EXPECT_EQ(Contents("greeting", "text"), "hello resource") << "names ignore case";
    EXPECT_EQ(Contents(MAKEINTRESOURCEA(7), RT_BITMAP), "hello resource");
    EXPECT_EQ(Contents("#7", RT_BITMAP), "hello resource") << "#n names number n";
}

TEST(ResourcesTest, MismatchesAreNotFound) {
    HMODULE module = AfxGetInstanceHandle();
    EXPECT_EQ(FindResourceA(module, "GREETING", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(8), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, "7", RT_BITMAP), nullptr) << "a plain string is a name";
    int otherModule = 0;
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&otherModule), "GREETING", "TEXT"), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_EQ(SizeofResource(module, nullptr), 0u);
}

}  // namespace
