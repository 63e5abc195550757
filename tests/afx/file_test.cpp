#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "platform/afx/file.h"

namespace {

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir =
            std::filesystem::temp_directory_path() / ("vandrel_file_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        std::ofstream(m_dir / "ten.bin", std::ios::binary) << "0123456789";
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const char* name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir;
};

TEST_F(FileTest, SeeksAndReadsFromEveryOrigin) {
    CFile file(Path("ten.bin").c_str(), CFile::modeRead | CFile::typeBinary);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.Seek(2, CFile::begin), 2);
    EXPECT_EQ(file.Seek(3, CFile::current), 5);
    char bytes[8] = {};
    EXPECT_EQ(file.Read(bytes, 3), 3u);
    EXPECT_EQ(std::string(bytes, 3), "567");
    EXPECT_EQ(file.Seek(-2, CFile::end), 8);
    EXPECT_EQ(file.Read(bytes, 8), 2u);  // short at the end
    EXPECT_EQ(std::string(bytes, 2), "89");
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST_F(FileTest, FailuresCarryTheirCause) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(Path("missing.bin").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.Open(m_dir.string().c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_THROW(CFile(Path("missing.bin").c_str(), CFile::modeRead), CFileException);

    ASSERT_TRUE(file.Open(Path("ten.bin").c_str(), CFile::modeRead));
    try {
        file.Seek(-11, CFile::end);
        ADD_FAILURE() << "seek before the start succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::badSeek);
    }
}

}  // namespace
