// Where the view sits in the main frame in each display mode: the picture
// centred in the free area between toolbar and status bar and cut to it, or
// the whole free area in Window mode.
#include "res/resource.h"
#include "tests/view/view_fixture.h"

namespace {

class LayoutTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ASSERT_TRUE(Start());
    }
    // The free area as the layout counts it: right and bottom inclusive.
    CRect FreeArea() const {
        CRect area;
        Frame()->GetClientRect(&area);
        area.top += Frame()->GetToolBarHeight() - 1;
        area.bottom -= Frame()->GetStatusBarHeight();
        return area;
    }
    // The view window in the frame's client coordinates. The toolbar is
    // docked at the client area's top left corner, so its screen position is
    // the client area's origin.
    CRect ViewRect() const {
        CRect toolbar;
        Frame()->m_wndToolBar.GetWindowRect(&toolbar);
        CRect rect;
        View()->GetWindowRect(&rect);
        rect.OffsetRect(-toolbar.left, -toolbar.top);
        return rect;
    }
    void ResizeFrame(int width, int height) const {
        Frame()->ShowWindow(SW_RESTORE);
        Frame()->MoveWindow(0, 0, width, height, TRUE);
        Pump();
    }
};

TEST_F(LayoutTest, PictureSizesAreCentredBetweenTheBars) {
    for (const auto& [command, side] :
         {std::pair{ID_DISPLAY_NORMAL, 256}, std::pair{ID_DISPLAY_DOUBLED, 512}}) {
        Command(command);
        const CRect area = FreeArea();
        const CRect view = ViewRect();
        // The window starts a pixel above and left of the picture and is a
        // pixel larger than it.
        EXPECT_EQ(view.Size(), CSize(side + 1, side + 1)) << side;
        const CRect picture(view.left + 1, view.top + 1, view.right, view.bottom);
        const int leftGap = picture.left - area.left;
        const int rightGap = area.right + 1 - picture.right;
        const int topGap = picture.top - area.top;
        const int bottomGap = area.bottom + 1 - picture.bottom;
        EXPECT_LE(std::abs(leftGap - rightGap), 1) << side;
        EXPECT_LE(std::abs(topGap - bottomGap), 1) << side;
    }
}

TEST_F(LayoutTest, WindowModeFillsTheFreeAreaAndFollowsTheFrame) {
    Command(ID_DISPLAY_WINDOW);
    CRect area = FreeArea();
    EXPECT_EQ(ViewRect(), CRect(area.left, area.top, area.right + 1, area.bottom + 1));

    ResizeFrame(500, 420);
    area = FreeArea();
    EXPECT_EQ(ViewRect(), CRect(area.left, area.top, area.right + 1, area.bottom + 1));
}

TEST_F(LayoutTest, APictureLargerThanTheFreeAreaIsCutToIt) {
    Command(ID_DISPLAY_DOUBLED);
    ResizeFrame(400, 300);
    const CRect area = FreeArea();
    ASSERT_LT(area.Width(), 512);
    ASSERT_LT(area.Height(), 512);
    const CRect view = ViewRect();
    // The picture's rectangle is the free area itself; the window keeps its
    // one-pixel margin above and to the left.
    EXPECT_EQ(view, CRect(area.left - 1, area.top - 1, area.right + 1, area.bottom + 1));
}

}  // namespace
