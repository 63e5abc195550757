#include "platform/kernel/profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vandrel-profile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        setenv("VANDREL_PROFILE_DIR", (m_dir / "config").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("VANDREL_PROFILE_DIR");
        fs::remove_all(m_dir);
    }

    fs::path File(const char* name) const { return m_dir / "config" / name; }
    void WriteText(const char* name, const std::string& text) const {
        fs::create_directories(m_dir / "config");
        std::ofstream(File(name), std::ios::binary) << text;
    }
    std::string ReadText(const char* name) const {
        std::ifstream in(File(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path m_dir;
};

TEST_F(ProfileTest, IntegersReadLikeTheOriginal) {
    WriteText("KORVANTH.INI",
              "[WinG]\nDo Not Use = 1\nForce Orientation=2 ; comment\n"
              "[Vandrel]\nnum runs=12abc\nBad=abc\nEmpty=\nHuge=99999999999\n");
    struct Case {
        const char* section;
        const char* key;
        UINT expected;
    };
    for (const Case c : {Case{"WinG", "Do Not Use", 1}, Case{"wing", "FORCE ORIENTATION", 2},
                         Case{"Vandrel", "Num Runs", 12}, Case{"Vandrel", "Bad", 77},
                         Case{"Vandrel", "Empty", 77}, Case{"Vandrel", "Missing", 77},
                         Case{"Elsewhere", "Num Runs", 77}, Case{"Vandrel", "Huge", 0xFFFFFFFFu}}) {
        EXPECT_EQ(GetPrivateProfileIntA(c.section, c.key, 77, "KORVANTH.INI"), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(GetPrivateProfileIntA("WinG", "Do Not Use", 5, "ABSENT.INI"), 5u);
}

TEST_F(ProfileTest, WritesKeepTheRestOfTheFile) {
    WriteText("KORVANTH.INI", "; kept comment\n[WinG]\nDo Not Use=0\n\n[Other]\nx=1\n");
    ASSERT_TRUE(WritePrivateProfileStringA("Vandrel", "Num Runs", "1", "KORVANTH.INI"));
    ASSERT_TRUE(WritePrivateProfileStringA("wing", "Force Orientation", "2", "KORVANTH.INI"));
    ASSERT_TRUE(WritePrivateProfileStringA("WinG", "do not use", "1", "KORVANTH.INI"));
    EXPECT_EQ(ReadText("KORVANTH.INI"),
              "; kept comment\n[WinG]\ndo not use=1\nForce Orientation=2\n\n[Other]\nx=1\n"
              "[Vandrel]\nNum Runs=1\n");

    ASSERT_TRUE(WritePrivateProfileStringA("Other", "x", nullptr, "KORVANTH.INI"));
    ASSERT_TRUE(WritePrivateProfileStringA("WinG", nullptr, nullptr, "KORVANTH.INI"));
    EXPECT_EQ(ReadText("KORVANTH.INI"), "; kept comment\n[Other]\n[Vandrel]\nNum Runs=1\n");
    for (const auto& entry : fs::directory_iterator(m_dir / "config")) {
        EXPECT_EQ(entry.path().filename(), "KORVANTH.INI") << "no temporary file left behind";
    }
}

TEST_F(ProfileTest, WinIniAndStringsAndFolderCreation) {
    ASSERT_TRUE(WriteProfileStringA("WinG", "ProfileMessage", "busy"));
    ASSERT_TRUE(WriteProfileStringA("WinG", "ProfileMessage", ""));
    EXPECT_EQ(ReadText("WIN.INI"), "[WinG]\nProfileMessage=\n") << "empty, not removed";

    char buffer[5];
    WritePrivateProfileStringA("S", "K", "longer than buffer", "A.INI");
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, sizeof buffer, "A.INI"), 4u);
    EXPECT_STREQ(buffer, "long");
    EXPECT_EQ(GetPrivateProfileStringA("S", "Nope", "dflt", buffer, sizeof buffer, "A.INI"), 4u);
    EXPECT_STREQ(buffer, "dflt");
}

TEST_F(ProfileTest, BadFilesAndValuesLoseNothing) {
    // A folder where the file should be cannot be read: defaults, and no write.
    fs::create_directories(File("DIR.INI"));
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", 3, "DIR.INI"), 3u);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "1", "DIR.INI"));

    // Far too large to be a settings file: read as defaults, left untouched.
    const std::string huge = "[S]\nK=9\n" + std::string(2 << 20, ';');
    WriteText("HUGE.INI", huge);
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", 3, "HUGE.INI"), 3u);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "1", "HUGE.INI"));
    EXPECT_EQ(fs::file_size(File("HUGE.INI")), huge.size());

    // Binary junk parses as no keys at all.
    WriteText("JUNK.INI", std::string("\0\xff[\n=\n[S\nK", 11));
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", 3, "JUNK.INI"), 3u);

    // Values that would inject lines are refused.
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "1\n[Evil]", "NEW.INI"));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K=1", "2", "NEW.INI"));
    EXPECT_FALSE(fs::exists(File("NEW.INI")));
}

TEST(ProfileFolderTest, EnvironmentChoosesTheFolder) {
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    unsetenv("VANDREL_PROFILE_DIR");
    setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(vandrel::profile::PathFor("KORVANTH.INI"), "/tmp/xdg/vandrel/KORVANTH.INI");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(vandrel::profile::PathFor("KORVANTH.INI"),
              "/home/someone/.config/vandrel/KORVANTH.INI");
    EXPECT_EQ(vandrel::profile::PathFor("/abs/x.ini"), "/abs/x.ini");
    setenv("HOME", home.c_str(), 1);
}

}  // namespace
