#include <cstring>
#include <functional>

#include "platform/base/global_memory.h"
#include "tests/surface/picture_bytes.h"
#include "tests/surface/surface_fixture.h"

namespace {

using namespace vandrel::testing;
using LoadTest = SurfaceTest;

enum class Mode { GdiBottomUp, WinGTopDown, WinGBottomUp };

void Start(Mode mode) {
    ResetWinGBinding();
    CDibG::InitWinG(kProfileMessage, mode == Mode::GdiBottomUp,
                    mode == Mode::WinGBottomUp ? CDibG::kBottomUp : CDibG::kTopDown);
    ASSERT_EQ(CDibG::s_bWinG, mode != Mode::GdiBottomUp ? TRUE : FALSE);
}

std::vector<BYTE> Pixels(const CDibG& dib) {
    return {dib.GetBits(), dib.GetBits() + dib.GetImageSize()};
}

// Every picture, in every row order the program can run with: memory row r
// is picture row r from the top when top-down, from the bottom otherwise.
TEST_F(LoadTest, EveryPictureLoadsWithItsBytesInBothRowOrders) {
    for (const Mode mode : {Mode::GdiBottomUp, Mode::WinGTopDown, Mode::WinGBottomUp}) {
        Start(mode);
        for (const char* name : kPictureNames) {
            const std::span<const BYTE> resource = ResourceBytes(name);
            CPalId pal;
            ProbedDib dib;
            dib.Create(name, &pal, CDibG::kSourceResource);
            ASSERT_TRUE(dib.IsCreated()) << name;
            EXPECT_TRUE(pal.IsCreated()) << name;
            EXPECT_EQ(dib.GetPalette(), &pal);
            EXPECT_EQ(dib.GetSize(), CSize(256, 256));
            EXPECT_EQ(dib.GetStride(), 256);
            if (CDibG::s_nOrientation == CDibG::kBottomUp) {
                EXPECT_EQ(std::memcmp(dib.GetBits(), resource.data() + 1064, 65536), 0) << name;
            }
            for (int y = 0; y < 256; ++y) {
                const int memoryRow = CDibG::s_nOrientation == CDibG::kTopDown ? y : 255 - y;
                ASSERT_EQ(
                    std::memcmp(dib.GetBits() + memoryRow * 256, ResourceRow(resource, y), 256), 0)
                    << name << " row " << y;
            }
        }
    }
}

// What the surface's colour table holds: the palette's colours, except in
// GDI mode on a palette display, where it holds indices into the palette.
TEST_F(LoadTest, ColourTableFollowsTheColourUse) {
    for (const Mode mode : {Mode::GdiBottomUp, Mode::WinGTopDown}) {
        for (const bool paletteDisplay : {false, true}) {
            if (paletteDisplay) {
                vandrel::hooks::SetPaletteDisplay();
            } else {
                vandrel::hooks::SetTrueColorDisplay();
            }
            Start(mode);
            CPalId pal;
            ProbedDib dib;
            dib.Create("tavik", &pal, CDibG::kSourceResource);
            PALETTEENTRY entries[256];
            ASSERT_EQ(pal.GetEntries(0, 256, entries), 256u);
            const bool indices = mode == Mode::GdiBottomUp && paletteDisplay;
            WORD words[256];
            std::memcpy(words, dib.Info().bmiColors, sizeof words);
            for (int i = 0; i < 256; ++i) {
                const RGBQUAD colour = dib.Info().bmiColors[i];
                if (indices) {
                    ASSERT_EQ(words[i], i);
                } else {
                    ASSERT_EQ(colour.rgbRed, entries[i].peRed) << i;
                    ASSERT_EQ(colour.rgbGreen, entries[i].peGreen) << i;
                    ASSERT_EQ(colour.rgbBlue, entries[i].peBlue) << i;
                    ASSERT_EQ(colour.rgbReserved, 0) << i;
                }
                // The shared tables describe the palette attached last.
                ASSERT_EQ(CDibG::s_bmiRGB.bmiColors[i].rgbRed, entries[i].peRed) << i;
            }
            std::memcpy(words, CDibG::s_bmiPal.bmiColors, sizeof words);
            EXPECT_EQ(words[0], 0);
            EXPECT_EQ(words[255], 255);
        }
    }
}

TEST_F(LoadTest, BuiltPaletteIsKeptAndEmptyOneIsBuiltFromThePicture) {
    StartGdi();
    RGBQUAD grey[256];
    for (int i = 0; i < 256; ++i) {
        grey[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    }
    CPalId built;
    built.CreateFromRGBQuad(grey, TRUE);
    ProbedDib dib;
    dib.Create("morlo", &built, CDibG::kSourceResource);
    PALETTEENTRY entries[256];
    built.GetEntries(0, 256, entries);
    EXPECT_EQ(entries[77].peGreen, 77);

    CPalId fresh;
    ProbedDib other;
    other.Create("morlo", &fresh, CDibG::kSourceResource);
    fresh.GetEntries(0, 256, entries);
    const BYTE* colours = ResourceBytes("morlo").data() + 40;
    EXPECT_EQ(entries[77].peRed, colours[4 * 77 + 2]);
    EXPECT_EQ(entries[77].peBlue, colours[4 * 77]);
}

TEST_F(LoadTest, LoadIntoExistingSurfaceReplacesPixelsOnlyAtTheSameSize) {
    StartWinG();
    CPalId pal;
    ProbedDib dib;
    dib.Create("zorble1", &pal, CDibG::kSourceResource);
    BYTE* const bits = dib.GetBits();
    dib.Load("zorble2", &pal, CDibG::kSourceResource);
    EXPECT_EQ(dib.GetBits(), bits);
    EXPECT_EQ(std::memcmp(dib.GetRowPointer(9), ResourceRow(ResourceBytes("zorble2"), 9), 256), 0);

    ProbedDib small;
    small.Create(128, 128, &pal);
    small.FillIndex(3);
    const std::vector<BYTE> before = Pixels(small);
    EXPECT_THROW(small.LoadFromResource("zorble1", &pal), CResourceException);
    EXPECT_EQ(Pixels(small), before);
    EXPECT_EQ(small.GetSize(), CSize(128, 128));
    // Loading needs a surface to load into.
    ProbedDib empty;
    EXPECT_THROW(empty.LoadFromResource("zorble1", &pal), CResourceException);
    EXPECT_FALSE(empty.IsCreated());
}

// A create operation on a created surface is refused before anything
// changes; only the sized Create quietly keeps what is there.
TEST_F(LoadTest, CreatingOverACreatedSurfaceChangesNothing) {
    StartGdi();
    const CString bmp = WriteFile("small.bmp", BmpFile(8, 4));
    const CString pcx = WriteFile("small.pcx", PcxFile(0, 0, 7, 3, 8, EncodePcxRows(8, 4)));
    CPalId pal;
    ProbedDib dib;
    dib.Create("zorble3", &pal, CDibG::kSourceResource);
    const std::vector<BYTE> before = Pixels(dib);
    BYTE* const bits = dib.GetBits();
    const std::function<void()> attempts[] = {
        [&] { dib.Create("zorble4", &pal, CDibG::kSourceResource); },
        [&] { dib.Create(bmp, &pal, CDibG::kSourceBmp); },
        [&] { dib.Create(pcx, &pal, CDibG::kSourcePcx); },
    };
    for (const auto& attempt : attempts) {
        EXPECT_THROW(attempt(), CResourceException);
        EXPECT_EQ(dib.GetBits(), bits);
        EXPECT_EQ(dib.GetSize(), CSize(256, 256));
        EXPECT_EQ(Pixels(dib), before);
    }
    CPalId other;
    other.Create(FALSE);
    dib.Create(16, 16, &other);
    EXPECT_EQ(dib.GetSize(), CSize(256, 256));
    EXPECT_EQ(dib.GetPalette(), &pal);
    EXPECT_EQ(Pixels(dib), before);

    dib.Destroy();
    dib.Create(CSize(16, 8), &other);
    EXPECT_EQ(dib.GetSize(), CSize(16, 8));
    EXPECT_EQ(dib.GetPalette(), &other);
}

TEST_F(LoadTest, MissingResourceAndImpossibleSizesAreRefused) {
    StartGdi();
    CPalId pal;
    ProbedDib dib;
    EXPECT_THROW(dib.Create("no such picture", &pal, CDibG::kSourceResource), CResourceException);
    EXPECT_FALSE(dib.IsCreated());
    EXPECT_FALSE(pal.IsCreated());
    // An unknown source kind does nothing at all.
    dib.Create("zorble1", &pal, 3);
    EXPECT_FALSE(dib.IsCreated());

    pal.Create(FALSE);
    for (const CSize size : {CSize(0, 5), CSize(5, 0), CSize(-4, 4), CSize(16385, 1)}) {
        EXPECT_THROW(dib.Create(size, &pal), CResourceException) << size.cx << "x" << size.cy;
        EXPECT_FALSE(dib.IsCreated());
    }
    EXPECT_THROW(dib.Create(4, 4, nullptr), CResourceException);
}

// A creation that runs out of memory half-way gives back what it got.
TEST_F(LoadTest, FailedAllocationLeavesNothingBehind) {
    for (const Mode mode : {Mode::GdiBottomUp, Mode::WinGTopDown}) {
        Start(mode);
        CPalId pal;
        pal.Create(FALSE);
        ProbedDib dib;
        const std::size_t live = vandrel::hooks::LiveGlobalBlocks();
        // GDI mode: the pixels succeed and the row table fails; WinG mode
        // takes its pixels from the bitmap and fails on the row table.
        vandrel::hooks::FailGlobalAllocAfter(mode == Mode::GdiBottomUp ? 1 : 0);
        EXPECT_THROW(dib.Create(64, 64, &pal), CMemoryException);
        vandrel::hooks::ClearAllocationFailure();
        EXPECT_FALSE(dib.IsCreated());
        EXPECT_EQ(dib.GetBits(), nullptr);
        EXPECT_EQ(dib.Bitmap(), nullptr);
        EXPECT_EQ(vandrel::hooks::LiveGlobalBlocks(), live);
        dib.Create(64, 64, &pal);
        EXPECT_TRUE(dib.IsValid());
    }
}

TEST_F(LoadTest, BmpFileLoadsInBothRowOrdersKeepingItsHeader) {
    const CString path = WriteFile("picture.bmp", BmpFile(6, 5));
    for (const Mode mode : {Mode::GdiBottomUp, Mode::WinGTopDown}) {
        Start(mode);
        CPalId pal;
        ProbedDib dib;
        dib.Create(path, &pal, CDibG::kSourceBmp);
        ASSERT_EQ(dib.GetSize(), CSize(6, 5));
        EXPECT_EQ(dib.GetStride(), 8);
        EXPECT_EQ(dib.Info().bmiHeader.biXPelsPerMeter, 1234);
        EXPECT_EQ(dib.HeaderHeight(), mode == Mode::WinGTopDown ? -5 : 5);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                ASSERT_EQ(dib.GetPixel(x, y), FilePixel(x, y)) << x << "," << y;
            }
        }
        PALETTEENTRY entries[256];
        pal.GetEntries(0, 256, entries);
        EXPECT_EQ(entries[100].peRed, FileColour(100).rgbRed);

        dib.FillIndex(0);
        dib.Load(path, &pal, CDibG::kSourceBmp);
        EXPECT_EQ(dib.GetPixel(5, 4), FilePixel(5, 4));
        EXPECT_EQ(dib.Info().bmiColors[100].rgbGreen, FileColour(100).rgbGreen);
    }
}

// Anything but an uncompressed 8-bit picture with a full colour table, all
// its rows and a sane positive size is refused, and nothing is touched.
TEST_F(LoadTest, UnsoundBmpFilesAreRefusedWithNothingChanged) {
    StartGdi();
    // A change to the information header, or to the file's bytes.
    using Change = std::function<void(std::vector<BYTE>&, BITMAPINFOHEADER&)>;
    const std::pair<const char*, Change> cases[] = {
        {"not a bitmap", [](auto& f, auto&) { f[0] = 'X'; }},
        {"24 bits", [](auto&, auto& h) { h.biBitCount = 24; }},
        {"compressed", [](auto&, auto& h) { h.biCompression = 1; }},
        {"16 colours", [](auto&, auto& h) { h.biClrUsed = 16; }},
        {"two planes", [](auto&, auto& h) { h.biPlanes = 2; }},
        {"longer header", [](auto&, auto& h) { h.biSize = 108; }},
        {"zero width", [](auto&, auto& h) { h.biWidth = 0; }},
        {"zero height", [](auto&, auto& h) { h.biHeight = 0; }},
        {"top-down", [](auto&, auto& h) { h.biHeight = -4; }},
        {"too wide", [](auto&, auto& h) { h.biWidth = 16385; }},
        {"huge", [](auto&, auto& h) { h.biWidth = h.biHeight = 0x7FFFFFFF; }},
        {"rows missing", [](auto& f, auto&) { f.pop_back(); }},
        {"colours cut", [](auto& f, auto&) { f.resize(54 + 1000); }},
        {"header cut", [](auto& f, auto&) { f.resize(30); }},
        {"empty", [](auto& f, auto&) { f.clear(); }},
    };
    for (const auto& [what, change] : cases) {
        std::vector<BYTE> file = BmpFile(8, 4);
        BITMAPINFOHEADER header;
        std::memcpy(&header, file.data() + 14, sizeof header);
        change(file, header);
        if (file.size() >= 14 + sizeof header) {
            std::memcpy(file.data() + 14, &header, sizeof header);
        }
        const CString path = WriteFile("bad.bmp", file);
        CPalId pal;
        ProbedDib dib;
        EXPECT_THROW(dib.CreateFromBMP(path, &pal), CResourceException) << what;
        EXPECT_FALSE(dib.IsCreated()) << what;
        EXPECT_FALSE(pal.IsCreated()) << what;

        CPalId loaded;
        ProbedDib target;
        target.CreateFromBMP(WriteFile("good.bmp", BmpFile(8, 4)), &loaded);
        target.FillIndex(9);
        const RGBQUAD colour = target.Info().bmiColors[7];
        EXPECT_THROW(target.LoadFromBMP(path, &loaded), CResourceException) << what;
        EXPECT_EQ(Pixels(target), std::vector<BYTE>(32, 9)) << what;
        EXPECT_EQ(target.Info().bmiColors[7].rgbRed, colour.rgbRed) << what;
    }
    CPalId pal;
    ProbedDib dib;
    EXPECT_THROW(dib.CreateFromBMP(CString((m_dir / "absent.bmp").string()), &pal),
                 CResourceException);
    // A sound file of another size does not load into this surface.
    ProbedDib target;
    target.Create(8, 4, &pal);
    EXPECT_THROW(target.LoadFromBMP(WriteFile("other.bmp", BmpFile(8, 5)), &pal),
                 CResourceException);
}

}  // namespace
