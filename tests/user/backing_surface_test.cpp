// A drawing presented to a painted window: on the screen at once, written
// straight into the screen's image when the whole of it is painted, and in
// the window's own image whenever something asks for that.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "platform/user/window_record.h"
#include "tests/user/window_recorder.h"

namespace {

using vandrel::testing::DispatchPending;
using vandrel::testing::WindowRecorder;

// Fills its area with one colour and counts the images it was drawn into.
class SolidDrawing final : public vandrel::gdi::SurfaceDrawing {
public:
    SolidDrawing(RECT area, std::uint32_t colour, int* draws)
        : m_area(area), m_colour(colour), m_draws(draws) {}
    RECT Area() const override { return m_area; }
    void DrawAt(const vandrel::gdi::PixelBuffer& target, int x, int y, TopByte top) const override {
        ++*m_draws;
        s_tops.push_back(top);
        for (int row = 0; row < m_area.bottom - m_area.top; ++row) {
            auto* pixels = reinterpret_cast<std::uint32_t*>(target.Row(y + row)) + x;
            std::fill_n(pixels, m_area.right - m_area.left, m_colour);
        }
    }

    // How every drawing was asked to fill the byte above red, in order.
    inline static std::vector<TopByte> s_tops;

private:
    RECT m_area;
    std::uint32_t m_colour;
    int* m_draws;
};

class BackingSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        vandrel::testing::OpenTestDisplay();
        m_frame = m_windows.Create(nullptr, RECT{0, 0, 300, 200});
        m_view = m_windows.Create(m_frame, RECT{10, 10, 210, 160});
        ShowWindow(m_frame, SW_SHOW);
        DispatchPending();
    }

    vandrel::user::WindowRecord& View() { return *vandrel::user::FindWindowRecord(m_view); }

    void Present(RECT area, std::uint32_t colour, int* draws) {
        View().backing->Present(std::make_unique<SolidDrawing>(area, colour, draws));
    }

    // What the screen shows at a point of the view.
    QRgb OnScreen(int x, int y) {
        QWidget* area = View().clientArea;
        QWidget* top = area->window();
        const QPoint at = area->mapTo(top, QPoint(x, y));
        const QImage shot = top->screen()->grabWindow(top->winId(), at.x(), at.y(), 1, 1).toImage();
        return shot.isNull() ? 0 : shot.pixel(0, 0) & 0xFFFFFF;
    }

    QRgb InImage(int x, int y) { return View().backing->Image().pixel(x, y) & 0xFFFFFF; }

    WindowRecorder m_windows;
    HWND m_frame = nullptr;
    HWND m_view = nullptr;
};

TEST_F(BackingSurfaceTest, APresentedDrawingGoesStraightToTheScreenAndIntoTheImageWhenAsked) {
    using TopByte = vandrel::gdi::SurfaceDrawing::TopByte;
    SolidDrawing::s_tops.clear();
    int draws = 0;
    Present(RECT{20, 20, 120, 100}, 0x112233, &draws);
    EXPECT_EQ(draws, 1) << "drawn once, into the screen's image";
    EXPECT_EQ(OnScreen(20, 20), 0x112233u);
    EXPECT_EQ(OnScreen(119, 99), 0x112233u);
    EXPECT_NE(OnScreen(120, 100), 0x112233u);

    EXPECT_EQ(InImage(20, 20), 0x112233u) << "asking for the image brings the drawing in";
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(InImage(119, 99), 0x112233u);
    EXPECT_NE(InImage(120, 100), 0x112233u);
    View().backing->Image();
    EXPECT_EQ(draws, 2) << "only once";
    EXPECT_EQ(SolidDrawing::s_tops, (std::vector<TopByte>{TopByte::kOpaque, TopByte::kZero}))
        << "opaque on the screen; the window's own image keeps its zero top byte";
}

TEST_F(BackingSurfaceTest, EveryDrawingShowsWhenTheyDoNotCoverEachOther) {
    int first = 0;
    int second = 0;
    Present(RECT{0, 0, 100, 100}, 0xAA0000, &first);
    Present(RECT{50, 50, 150, 140}, 0x00BB00, &second);
    EXPECT_EQ(first, 2) << "the first went into the image before the second came";
    EXPECT_EQ(OnScreen(10, 10), 0xAA0000u);
    EXPECT_EQ(OnScreen(60, 60), 0x00BB00u);

    // A later drawing over the whole of the one waiting replaces it.
    int third = 0;
    Present(RECT{40, 40, 160, 140}, 0x0000CC, &third);
    EXPECT_EQ(InImage(10, 10), 0xAA0000u);
    EXPECT_EQ(InImage(60, 60), 0x0000CCu);
    EXPECT_EQ(second, 1) << "never needed in the image";
}

TEST_F(BackingSurfaceTest, APaintOfPartOfAWaitingDrawingShowsItFromTheImage) {
    int draws = 0;
    Present(RECT{0, 0, 100, 100}, 0x445566, &draws);
    View().clientArea->repaint(QRect(0, 0, 10, 10));
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(OnScreen(5, 5), 0x445566u);
    EXPECT_EQ(OnScreen(90, 90), 0x445566u);
}

TEST_F(BackingSurfaceTest, AHiddenWindowKeepsItsDrawingForLater) {
    ShowWindow(m_frame, SW_HIDE);
    DispatchPending();
    int draws = 0;
    Present(RECT{0, 0, 50, 50}, 0x778899, &draws);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(InImage(25, 25), 0x778899u);
    EXPECT_EQ(draws, 1);
}

}  // namespace
