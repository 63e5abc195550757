#include "platform/kernel/library.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

// Where CMake put libtestcomponent.so for these tests.
const char* const kComponentFolder = VANDREL_TEST_COMPONENT_DIR;

class LibraryTest : public ::testing::Test {
protected:
    void TearDown() override { vandrel::hooks::SetLibraryFolder({}); }
};

TEST_F(LibraryTest, LoadsFromTheChosenFolderAndResolvesNames) {
    vandrel::hooks::SetLibraryFolder(kComponentFolder);
    HMODULE module = LoadLibraryA("TestComponent.DLL");
    ASSERT_NE(module, nullptr);
    using Answer = int (*)();
    auto answer = reinterpret_cast<Answer>(GetProcAddress(module, "TestComponentAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(module, "NoSuchEntry"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(LibraryTest, NeverLooksInTheCurrentDirectory) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(kComponentFolder);
    vandrel::hooks::SetLibraryFolder("/nonexistent-vandrel-folder");
    EXPECT_EQ(LoadLibraryA("TESTCOMPONENT.DLL"), nullptr);
    std::filesystem::current_path(previous);
}

TEST_F(LibraryTest, OnlyPlainNamesMapToFiles) {
    struct Case {
        const char* name;
        const char* file;
    };
    for (const Case c :
         {Case{"WING32.DLL", "libwing32.so"}, Case{"wing32.dll", "libwing32.so"},
          Case{"../evil.dll", ""}, Case{"sub/x.dll", ""}, Case{"x.so", ""}, Case{".dll", ""}}) {
        EXPECT_EQ(vandrel::library::FileNameFor(c.name), c.file) << c.name;
    }
    vandrel::hooks::SetLibraryFolder(kComponentFolder);
    EXPECT_EQ(LoadLibraryA("../TESTCOMPONENT.DLL"), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
}

TEST_F(LibraryTest, OwnFolderSitsBesideTheExecutable) {
    const std::string folder = vandrel::library::PrivateFolder();
    EXPECT_TRUE(folder.ends_with("/vandrel")) << folder;
    EXPECT_EQ(SetErrorMode(SEM_FAILCRITICALERRORS), 0u);
    EXPECT_EQ(SetErrorMode(0), SEM_FAILCRITICALERRORS);
}

}  // namespace
