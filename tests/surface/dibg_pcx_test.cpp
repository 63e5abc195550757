#include <functional>

#include "tests/surface/picture_bytes.h"
#include "tests/surface/surface_fixture.h"

namespace {

using namespace vandrel::testing;
using PcxTest = SurfaceTest;

std::vector<BYTE> Row(const CDibG& dib, int y) {
    return {dib.GetRowPointer(y), dib.GetRowPointer(y) + dib.GetWidth()};
}

TEST_F(PcxTest, RunsLiteralsAndEmptyRunsDecode) {
    StartGdi();
    // Row 0: three 5s, an empty run, a literal 0xBF. Row 1: a run that
    // passes the line's end, whose surplus is dropped. Row 2: literals.
    const std::vector<BYTE> encoded = {0xC3, 0x05, 0xC0, 0x07, 0xBF,  // row 0
                                       0xC2, 0x01, 0xC6, 0x09,        // row 1
                                       0x01, 0x02, 0x03, 0x04};       // row 2
    CPalId pal;
    ProbedDib dib;
    dib.Create(WriteFile("runs.pcx", PcxFile(10, 20, 13, 22, 4, encoded)), &pal, CDibG::kSourcePcx);
    ASSERT_EQ(dib.GetSize(), CSize(4, 3));
    EXPECT_EQ(Row(dib, 0), (std::vector<BYTE>{5, 5, 5, 0xBF}));
    EXPECT_EQ(Row(dib, 1), (std::vector<BYTE>{1, 1, 9, 9}));
    EXPECT_EQ(Row(dib, 2), (std::vector<BYTE>{1, 2, 3, 4}));
    PALETTEENTRY entries[256];
    pal.GetEntries(0, 256, entries);
    EXPECT_EQ(entries[200].peBlue, FileColour(200).rgbBlue);
}

TEST_F(PcxTest, PaddedLinesKeepOnlyThePicturesWidth) {
    StartGdi();
    const std::vector<BYTE> encoded = {1, 2, 3, 0x77, 4, 5, 6, 0x77};
    CPalId pal;
    ProbedDib dib;
    dib.Create(WriteFile("padded.pcx", PcxFile(0, 0, 2, 1, 4, encoded)), &pal, CDibG::kSourcePcx);
    ASSERT_EQ(dib.GetSize(), CSize(3, 2));
    EXPECT_EQ(Row(dib, 0), (std::vector<BYTE>{1, 2, 3}));
    EXPECT_EQ(Row(dib, 1), (std::vector<BYTE>{4, 5, 6}));
}

TEST_F(PcxTest, FullSizePictureLoadsInBothRowOrders) {
    const CString path =
        WriteFile("full.pcx", PcxFile(0, 0, 255, 255, 256, EncodePcxRows(256, 256)));
    for (const BOOL doNotUse : {TRUE, FALSE}) {
        ResetWinGBinding();
        CDibG::InitWinG(kProfileMessage, doNotUse, CDibG::kTopDown);
        CPalId pal;
        ProbedDib dib;
        dib.Create(path, &pal, CDibG::kSourcePcx);
        ASSERT_EQ(dib.GetSize(), CSize(256, 256));
        EXPECT_EQ(dib.GetStride(), 256);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                ASSERT_EQ(dib.GetPixel(x, y), FilePixel(x, y)) << x << "," << y;
            }
        }
        // Loading again replaces pixels and colour table.
        dib.FillIndex(0);
        dib.Load(path, &pal, CDibG::kSourcePcx);
        EXPECT_EQ(dib.GetPixel(17, 200), FilePixel(17, 200));
        EXPECT_EQ(dib.Info().bmiColors[33].rgbRed, FileColour(33).rgbRed);
    }
}

// Data that ends before the last row is complete, corners the wrong way
// round, sizes past the limit and files too short for their parts are
// refused whole; a surface being loaded keeps its pixels.
TEST_F(PcxTest, UnsoundFilesAreRefusedWithNothingChanged) {
    StartGdi();
    std::vector<BYTE> shortRows = EncodePcxRows(4, 3);
    shortRows.resize(shortRows.size() - 1);
    std::vector<BYTE> cutRun = EncodePcxRows(4, 3);
    cutRun.resize(8);
    cutRun.push_back(0xC4);  // a run marker with no value after it
    std::vector<BYTE> wrongDepth = PcxFile(0, 0, 3, 2, 4, EncodePcxRows(4, 3));
    wrongDepth[3] = 4;
    const std::pair<const char*, std::vector<BYTE>> cases[] = {
        {"data ends in the last row", PcxFile(0, 0, 3, 2, 4, shortRows)},
        {"run cut off", PcxFile(0, 0, 3, 2, 4, cutRun)},
        {"no data", PcxFile(0, 0, 3, 2, 4, {})},
        {"xMax below xMin", PcxFile(5, 0, 2, 2, 4, EncodePcxRows(4, 3))},
        {"yMax below yMin", PcxFile(0, 9, 3, 7, 4, EncodePcxRows(4, 3))},
        {"too wide", PcxFile(-8192, 0, 8192, 0, 16385, EncodePcxRows(4, 3))},
        {"line shorter than a row", PcxFile(0, 0, 3, 2, 2, EncodePcxRows(4, 3))},
        {"four bits", wrongDepth},
        {"header only", std::vector<BYTE>(128 + 700, 0)},
    };
    for (const auto& [what, file] : cases) {
        const CString path = WriteFile("bad.pcx", file);
        CPalId pal;
        ProbedDib dib;
        EXPECT_THROW(dib.CreateFromPCX(path, &pal), CResourceException) << what;
        EXPECT_FALSE(dib.IsCreated()) << what;
        EXPECT_FALSE(pal.IsCreated()) << what;

        CPalId loaded;
        ProbedDib target;
        target.CreateFromPCX(WriteFile("good.pcx", PcxFile(0, 0, 3, 2, 4, EncodePcxRows(4, 3))),
                             &loaded);
        target.FillIndex(9);
        EXPECT_THROW(target.LoadFromPCX(path, &loaded), CResourceException) << what;
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(Row(target, y), std::vector<BYTE>(4, 9)) << what;
        }
        EXPECT_EQ(target.Info().bmiColors[5].rgbRed, FileColour(5).rgbRed) << what;
    }
}

}  // namespace
