#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/base/exceptions.h"
#include "tests/palette/pal_id_fixture.h"

namespace {

namespace hooks = vandrel::hooks;

class PalIdFileTest : public vandrel::testing::PalIdTest {
protected:
    void SetUp() override {
        hooks::SetTrueColorDisplay();
        m_dir = std::filesystem::temp_directory_path() /
                ("vandrel_palid_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dir);
        PalIdTest::TearDown();
    }

    CString Write(const char* name, const std::vector<BYTE>& bytes) {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return CString(path.string());
    }
    // A BMP cut after `length` bytes: 54 header bytes, then the ramp as a
    // colour table, then a few pixels.
    static std::vector<BYTE> Bmp(std::size_t length) {
        std::vector<BYTE> bytes(54, 0);
        bytes[0] = 'B';
        bytes[1] = 'M';
        for (const RGBQUAD& quad : Ramp()) {
            bytes.insert(bytes.end(), {quad.rgbBlue, quad.rgbGreen, quad.rgbRed, 0});
        }
        bytes.resize(1078 + 16, 0x33);
        bytes.resize(length);
        return bytes;
    }
    // A PCX with a short header, a few pixels, the marker and the ramp as
    // red-green-blue triples at the end.
    static std::vector<BYTE> Pcx() {
        std::vector<BYTE> bytes(128 + 20, 0x55);
        bytes.push_back(0x0C);
        for (const RGBQUAD& quad : Ramp()) {
            bytes.insert(bytes.end(), {quad.rgbRed, quad.rgbGreen, quad.rgbBlue});
        }
        return bytes;
    }

    void ExpectRamp(CPalId& palette) {
        ASSERT_TRUE(palette.IsCreated());
        const std::vector<PALETTEENTRY> entries = Entries(palette);
        for (int i = 0; i < 256; ++i) {
            ASSERT_TRUE(IsRampEntry(entries[static_cast<std::size_t>(i)], i, 0)) << i;
        }
    }

    std::filesystem::path m_dir;
};

TEST_F(PalIdFileTest, BuildsFromGoodFilesOfEitherType) {
    CPalId fromBmp;
    fromBmp.Create(Write("ramp.bmp", Bmp(1094)), CPalId::fileBmp, FALSE);
    ExpectRamp(fromBmp);
    CPalId fromPcx;
    fromPcx.Create(Write("ramp.pcx", Pcx()), CPalId::filePcx, FALSE);
    ExpectRamp(fromPcx);
}

TEST_F(PalIdFileTest, ShortOrMissingFilesAreRefusedAndChangeNothing) {
    const std::vector<RGBQUAD> ramp = Ramp();
    CPalId built;
    built.Create(ramp.data(), FALSE);
    CPalId empty;
    // Up to the header only, one byte of the table, and one byte short of it.
    for (std::size_t length :
         {std::size_t{10}, std::size_t{54}, std::size_t{55}, std::size_t{1077}}) {
        SCOPED_TRACE(length);
        const CString name = Write("short.bmp", Bmp(length));
        EXPECT_THROW(empty.CreateFromBmpFile(name, FALSE), CResourceException);
        EXPECT_FALSE(empty.IsCreated());
        EXPECT_EQ(empty.GetSafeHandle(), nullptr);
        EXPECT_THROW(built.CreateFromBmpFile(name, FALSE), CResourceException);
        ExpectRamp(built);
    }
    std::vector<BYTE> shortPcx = Pcx();
    shortPcx.resize(700);
    EXPECT_THROW(empty.CreateFromPcxFile(Write("short.pcx", shortPcx), FALSE), CFileException);
    EXPECT_FALSE(empty.IsCreated());

    const CString missing(m_dir.string() + "/missing");
    EXPECT_THROW(empty.CreateFromBmpFile(missing, FALSE), CResourceException);
    EXPECT_THROW(empty.CreateFromPcxFile(missing, FALSE), CResourceException);
    EXPECT_FALSE(empty.IsCreated());
}

}  // namespace
