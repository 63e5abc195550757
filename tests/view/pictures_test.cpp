// Choosing pictures: the File menu's four, Next Bitmap, the hidden pair, and
// what each leaves in the source buffer every frame is rendered from.
#include "engine/render_state.h"
#include "res/resource.h"
#include "tests/view/view_fixture.h"

namespace {

constexpr UINT kPictures[] = {ID_FILE_BITMAP1, ID_FILE_BITMAP2, ID_FILE_BITMAP3, ID_FILE_BITMAP4};

class PicturesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ASSERT_TRUE(Start());
    }
    static std::vector<BYTE> Shown() { return {g_pSourceBits, g_pSourceBits + 65536}; }
};

TEST_F(PicturesTest, NumbersClampToTheFourPicturesAndNameTheHiddenOnes) {
    struct Case {
        int number;
        const char* picture;
        UINT checked;
    };
    const Case cases[] = {
        {3, "ZORBLE3", ID_FILE_BITMAP3},
        {0, "ZORBLE1", ID_FILE_BITMAP1},
        {-5, "ZORBLE1", ID_FILE_BITMAP1},
        {7, "ZORBLE4", ID_FILE_BITMAP4},
        {98, "ZORBLE4", ID_FILE_BITMAP4},
        {2001, "TAVIK", 0},
        {2010, "MORLO", 0},
        {150, "MORLO", 0},
    };
    for (const Case& c : cases) {
        View()->SelectBitmap(1 + (c.number == 1));  // start each case elsewhere
        View()->SelectBitmap(c.number);
        EXPECT_EQ(Shown(), PictureInSurfaceOrder(c.picture)) << c.number;
        EXPECT_EQ(CheckedAmong(kPictures), c.checked) << c.number;
    }
}

TEST_F(PicturesTest, ReselectingTheShownPictureDoesNothing) {
    Command(ID_FILE_BITMAP2);
    // A marker in the source buffer survives only if nothing is reloaded.
    g_pSourceBits[0] ^= 0xFF;
    const std::vector<BYTE> marked = Shown();
    Command(ID_FILE_BITMAP2);
    EXPECT_EQ(Shown(), marked);
}

TEST_F(PicturesTest, NextBitmapCyclesThroughTheFour) {
    std::vector<UINT> seen;
    for (int i = 0; i < 5; ++i) {
        Command(ID_FILE_NEXTBITMAP);
        seen.push_back(CheckedAmong(kPictures));
    }
    EXPECT_EQ(seen, (std::vector<UINT>{ID_FILE_BITMAP2, ID_FILE_BITMAP3, ID_FILE_BITMAP4,
                                       ID_FILE_BITMAP1, ID_FILE_BITMAP2}));
}

TEST_F(PicturesTest, HiddenPicturesShowOnTheTenthPressAndKeepTheirOwnNumber) {
    for (int press = 1; press < 10; ++press) {
        Command(ID_HIDDEN_TAVIK);
        Command(ID_HIDDEN_MORLO);
    }
    EXPECT_EQ(Shown(), PictureInSurfaceOrder("ZORBLE1")) << "nine presses show nothing";
    Command(ID_HIDDEN_TAVIK);
    EXPECT_EQ(Shown(), PictureInSurfaceOrder("TAVIK"));
    EXPECT_EQ(CheckedAmong(kPictures), 0u) << "no ordinary picture is on screen";

    Command(ID_FILE_BITMAP4);
    EXPECT_EQ(Shown(), PictureInSurfaceOrder("ZORBLE4")) << "Bitmap #4 really shows picture 4";

    // Ctrl+Y counted its own nine presses; the tenth shows Morlo.
    Command(ID_HIDDEN_MORLO);
    EXPECT_EQ(Shown(), PictureInSurfaceOrder("MORLO"));
    Command(ID_FILE_NEXTBITMAP);
    EXPECT_EQ(CheckedAmong(kPictures), ID_FILE_BITMAP1) << "Next Bitmap goes on to picture 1";

    for (int press = 1; press <= 10; ++press) {
        Command(ID_HIDDEN_TAVIK);
    }
    EXPECT_EQ(Shown(), PictureInSurfaceOrder("TAVIK")) << "the count starts again";
}

}  // namespace
