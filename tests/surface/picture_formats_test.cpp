#include "surface/picture_formats.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace vandrel::pictures;

BITMAPINFOHEADER PlainHeader(LONG width, LONG height) {
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 8;
    return header;
}

std::vector<BYTE> PackedDibBytes(const BITMAPINFOHEADER& header, std::size_t pixelBytes) {
    std::vector<BYTE> bytes(header.biSize + kColourTableBytes + pixelBytes, 0x55);
    std::memcpy(bytes.data(), &header, sizeof header);
    return bytes;
}

TEST(PackedDibTest, AcceptsTheProgramsOwnForm) {
    for (const DWORD clrUsed : {0u, 256u}) {
        BITMAPINFOHEADER header = PlainHeader(256, 256);
        header.biClrUsed = clrUsed;
        const auto bytes = PackedDibBytes(header, 65536);
        ASSERT_EQ(bytes.size(), 66600u);
        const auto dib = ReadPackedDib(bytes.data(), bytes.size());
        ASSERT_TRUE(dib) << clrUsed;
        EXPECT_EQ(dib->pixels, bytes.data() + 1064);
        EXPECT_EQ(reinterpret_cast<const BYTE*>(dib->colours), bytes.data() + 40);
    }
}

TEST(PackedDibTest, RefusesWhatIsNotAPlain8BitPictureOrIsShort) {
    struct Case {
        const char* what;
        void (*change)(BITMAPINFOHEADER&);
        std::size_t missingBytes;
    };
    const Case cases[] = {
        {"four bits", [](BITMAPINFOHEADER& h) { h.biBitCount = 4; }, 0},
        {"compressed", [](BITMAPINFOHEADER& h) { h.biCompression = 1; }, 0},
        {"two planes", [](BITMAPINFOHEADER& h) { h.biPlanes = 2; }, 0},
        {"sixteen colours", [](BITMAPINFOHEADER& h) { h.biClrUsed = 16; }, 0},
        {"top-down rows", [](BITMAPINFOHEADER& h) { h.biHeight = -16; }, 0},
        {"no width", [](BITMAPINFOHEADER& h) { h.biWidth = 0; }, 0},
        {"too wide", [](BITMAPINFOHEADER& h) { h.biWidth = 16385; }, 0},
        {"header size below 40", [](BITMAPINFOHEADER& h) { h.biSize = 12; }, 0},
        {"header size past the end", [](BITMAPINFOHEADER& h) { h.biSize = 100000; }, 0},
        {"one pixel row short", [](BITMAPINFOHEADER&) {}, 1},
    };
    for (const Case& c : cases) {
        BITMAPINFOHEADER header = PlainHeader(16, 16);
        const auto bytes = PackedDibBytes(header, 256);
        c.change(header);
        auto changed = bytes;
        std::memcpy(changed.data(), &header, sizeof header);
        EXPECT_FALSE(ReadPackedDib(changed.data(), changed.size() - c.missingBytes)) << c.what;
    }
    EXPECT_FALSE(ReadPackedDib(nullptr, 0));
    const auto tiny = PackedDibBytes(PlainHeader(1, 1), 4);
    EXPECT_FALSE(ReadPackedDib(tiny.data(), 39));
}

TEST(BmpHeaderTest, OnlyTheClassicHeaderWithPositiveHeight) {
    EXPECT_TRUE(IsReadableBmpHeader(PlainHeader(256, 256)));
    BITMAPINFOHEADER v5 = PlainHeader(256, 256);
    v5.biSize = 124;
    EXPECT_FALSE(IsReadableBmpHeader(v5));
    EXPECT_FALSE(IsReadableBmpHeader(PlainHeader(256, -256)));
    EXPECT_FALSE(IsReadableBmpHeader(PlainHeader(-1, 256)));
    const BYTE good[kBmpFileHeaderBytes] = {'B', 'M'};
    const BYTE bad[kBmpFileHeaderBytes] = {'P', 'K'};
    EXPECT_TRUE(IsBmpFileHeader(good));
    EXPECT_FALSE(IsBmpFileHeader(bad));
}

void Put16(BYTE* p, int value) {
    p[0] = static_cast<BYTE>(value);
    p[1] = static_cast<BYTE>(value >> 8);
}

void MakePcxHeader(BYTE (&header)[kPcxHeaderBytes], int xMin, int yMin, int xMax, int yMax,
                   int bytesPerLine) {
    std::memset(header, 0, sizeof header);
    header[0] = 10;
    header[2] = 1;
    header[3] = 8;
    header[65] = 1;
    Put16(header + 4, xMin);
    Put16(header + 6, yMin);
    Put16(header + 8, xMax);
    Put16(header + 10, yMax);
    Put16(header + 66, bytesPerLine);
}

TEST(PcxHeaderTest, SizesFromTheBoundsAndRefusalsOfBadOnes) {
    BYTE header[kPcxHeaderBytes];
    MakePcxHeader(header, 0, 0, 255, 255, 256);
    const auto layout = ReadPcxHeader(header);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->width, 256);
    EXPECT_EQ(layout->height, 256);

    MakePcxHeader(header, 10, 20, 9, 30, 2);
    EXPECT_FALSE(ReadPcxHeader(header)) << "maximum below minimum";
    MakePcxHeader(header, 0, 0, 15, 15, 8);
    EXPECT_FALSE(ReadPcxHeader(header)) << "lines shorter than the width";
    MakePcxHeader(header, -20000, 0, 20000, 0, 40002);
    EXPECT_FALSE(ReadPcxHeader(header)) << "wider than any picture we show";
    MakePcxHeader(header, 0, 0, 15, 15, 16);
    header[3] = 4;
    EXPECT_FALSE(ReadPcxHeader(header)) << "four bits per pixel";
    header[3] = 8;
    header[65] = 3;
    EXPECT_FALSE(ReadPcxHeader(header)) << "three planes";
}

TEST(PcxDecodeTest, RunsLiteralsAndEmptyRuns) {
    struct Case {
        const char* what;
        std::vector<BYTE> data;
        std::vector<BYTE> row;  // the decoded 4-byte row
    };
    const Case cases[] = {
        {"run of three", {0xC3, 0x05, 0x01}, {5, 5, 5, 1}},
        {"empty run writes nothing", {0xC0, 0x07, 0x01, 0x02, 0x03, 0x04}, {1, 2, 3, 4}},
        {"literal below 0xC0", {0xBF, 0xBF, 0xBF, 0xBF}, {0xBF, 0xBF, 0xBF, 0xBF}},
        {"run past the line is cut", {0xC9, 0x08}, {8, 8, 8, 8}},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> pixels(4, 0xEE);
        EXPECT_TRUE(DecodePcx(c.data.data(), c.data.size(), PcxLayout{4, 1, 4}, pixels.data(), 4))
            << c.what;
        EXPECT_EQ(pixels, c.row) << c.what;
    }
}

TEST(PcxDecodeTest, LinesWiderThanTheStrideStayInsideTheRow) {
    // Three-pixel rows in a stride of 4, lines of 6 bytes: two bytes of each
    // line fall outside the row and are dropped.
    const std::vector<BYTE> data = {0xC6, 1, 0xC6, 2};
    std::vector<BYTE> pixels(8 + 4, 0xEE);  // two rows and a guard
    ASSERT_TRUE(DecodePcx(data.data(), data.size(), PcxLayout{3, 2, 6}, pixels.data(), 4));
    EXPECT_EQ(pixels, (std::vector<BYTE>{1, 1, 1, 1, 2, 2, 2, 2, 0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST(PcxDecodeTest, DataThatEndsEarlyIsReportedWithoutOverrun) {
    const std::vector<BYTE> cut = {0xC2, 7, 0xC4};  // a run marker with no value
    std::vector<BYTE> pixels(8, 0xEE);
    EXPECT_FALSE(DecodePcx(cut.data(), cut.size(), PcxLayout{4, 2, 4}, pixels.data(), 4));
    EXPECT_FALSE(DecodePcx(cut.data(), 2, PcxLayout{4, 2, 4}, pixels.data(), 4));
    EXPECT_EQ(pixels[0], 7);
    EXPECT_EQ(pixels[7], 0xEE);
}

}  // namespace
