// The three dialogs on the real main window: laid out in units of a known
// font, with their captions, close boxes and colours; the About box's WinG
// line; the ways to close them; and the program's loop standing still while
// one is open. Everything done to an open box runs from a zero timer inside
// its own loop, and a guard ends any box left open, so a fault fails a test
// instead of hanging it.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/afx/view.h"
#include "platform/user/dialog_api.h"
#include "platform/user/message_api.h"
#include "platform/user/window_record.h"
#include "res/resource.h"
#include "shell/about_dlg.h"
#include "shell/about_maker_dlg.h"
#include "shell/quick_help_dlg.h"
#include "surface/dibg.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kLeftOpen = -2;

QWidget* WidgetOf(HWND window) {
    const vandrel::user::WindowRecord* record = vandrel::user::FindWindowRecord(window);
    return record != nullptr ? record->widget.data() : nullptr;
}

// The controls in template order.
HWND Control(HWND dialog, std::size_t index) {
    return vandrel::user::ChildWindows(dialog).at(index);
}

std::string TextOf(HWND window) {
    char text[256];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void PressKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void PressKey(HWND window, Qt::Key key) {
    PressKey(WidgetOf(window), key);
}

// The open box of the dialog object: its window, once DoModal has made it.
HWND OpenBox(const CDialog& dialog) {
    return dialog.m_hWnd;
}

class DialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(Start());
        // The classic measures of the old 8-point dialog face.
        vandrel::hooks::SetDialogFontMetrics(vandrel::hooks::DialogFontMetrics{6, 13});
    }
    void TearDown() override {
        vandrel::hooks::SetDialogFontMetrics(std::nullopt);
        ShellTest::TearDown();
    }

    // Runs `dialog` modally; `whileOpen` runs once it shows, from its loop.
    static int RunWhileOpen(CDialog& dialog, const std::function<void()>& whileOpen) {
        QTimer::singleShot(0, whileOpen);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout,
                         [&dialog] { EndDialog(OpenBox(dialog), kLeftOpen); });
        guard.start(5000);
        return dialog.DoModal();
    }
};

struct ControlPlace {
    std::size_t index;
    QRect pixels;
};

struct BoxCase {
    std::function<std::unique_ptr<CDialog>()> make;
    std::string caption;
    QSize client;
    bool closeBox;
    std::vector<ControlPlace> places;
};

TEST_F(DialogTest, EachBoxIsLaidOutInUnitsOfItsFontWithCaptionCloseBoxAndColours) {
    // Pixels for a 6 x 13 font: x * 6 / 4 and y * 13 / 8, to the nearest;
    // icons take their own 32 x 32.
    const std::vector<BoxCase> cases = {
        {[] { return std::make_unique<CAboutDlg>(); },
         "About Vandrel 95",
         {324, 130},
         true,
         {{0, {17, 28, 32, 32}},     // the application icon
          {1, {60, 16, 179, 13}},    // "Vandrel 95"
          {4, {60, 89, 182, 33}},    // the WinG line, 121 x 20 units
          {5, {264, 10, 48, 23}}}},  // OK
        {[] { return std::make_unique<CAboutMakerDlg>(); },
         "About KORVANTH",
         {300, 211},
         true,
         {{0, {17, 20, 32, 32}},      // the maker's emblem
          {6, {48, 138, 38, 13}},     // "email:"
          {11, {96, 171, 179, 13}},   // the web address
          {12, {243, 13, 48, 23}}}},  // OK
        {[] { return std::make_unique<CQuickHelpDlg>(); },
         "Quick Help",
         {293, 179},
         false,
         {{0, {15, 20, 270, 36}}, {1, {15, 65, 270, 72}}, {2, {108, 146, 75, 23}}}},
    };
    for (const BoxCase& box : cases) {
        SCOPED_TRACE(box.caption);
        const std::unique_ptr<CDialog> dialog = box.make();
        const int result = RunWhileOpen(*dialog, [&] {
            const HWND open = OpenBox(*dialog);
            QWidget* widget = WidgetOf(open);
            ASSERT_NE(widget, nullptr);
            EXPECT_TRUE(widget->isVisible());
            EXPECT_TRUE(widget->isModal());
            EXPECT_EQ(TextOf(open), box.caption);
            EXPECT_EQ(widget->size(), box.client);
            EXPECT_EQ(widget->windowFlags().testFlag(Qt::WindowCloseButtonHint), box.closeBox);
            EXPECT_EQ(widget->font().pointSize(), 8);
            for (const ControlPlace& place : box.places) {
                EXPECT_EQ(WidgetOf(Control(open, place.index))->geometry(), place.pixels)
                    << "control " << place.index;
            }
            const QWidget* text = WidgetOf(Control(open, 1));
            EXPECT_EQ(text->palette().color(QPalette::Window), QColor(192, 192, 192));
            EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(0, 0, 0));
            EndDialog(open, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(OpenBox(*dialog), nullptr) << "the box is gone when DoModal returns";
    }
}

TEST_F(DialogTest, TheMakersBoxShowsItsTextsAsTheyStand) {
    CAboutMakerDlg dialog;
    RunWhileOpen(dialog, [&] {
        const HWND open = OpenBox(dialog);
        EXPECT_EQ(TextOf(Control(open, 1)), "Questions?  Please contact us:");
        const auto* label = static_cast<const QLabel*>(WidgetOf(Control(open, 1)));
        EXPECT_EQ(label->text(), QStringLiteral("Questions?  Please contact us:"));
        EXPECT_EQ(static_cast<const QLabel*>(WidgetOf(Control(open, 6)))->alignment() &
                      Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
        EXPECT_FALSE(static_cast<const QLabel*>(WidgetOf(GetDlgItem(open, IDC_MAKER_EMBLEM)))
                         ->pixmap()
                         .isNull());
        EndDialog(open, IDOK);
    });
}

TEST_F(DialogTest, TheAboutBoxReportsWhetherWinGIsUsedAndItsRowOrder) {
    struct Case {
        BOOL wing;
        int orientation;
        std::string line;
    };
    const Case cases[] = {
        {TRUE, CDibG::kBottomUp, "WinG is being used, orientation is bottom-up"},
        {TRUE, CDibG::kTopDown, "WinG is being used, orientation is top-down"},
        {TRUE, 0, "WinG is being used, orientation is top-down"},
        {FALSE, CDibG::kBottomUp, "WinG is not being used"},
        {FALSE, CDibG::kTopDown, "WinG is not being used"},
    };
    const BOOL wingBefore = CDibG::s_bWinG;
    const int orientationBefore = CDibG::s_nOrientation;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line + " for orientation " + std::to_string(c.orientation));
        CDibG::s_bWinG = c.wing;
        CDibG::s_nOrientation = c.orientation;
        CAboutDlg dialog;
        RunWhileOpen(dialog, [&] {
            const HWND status = GetDlgItem(OpenBox(dialog), IDC_WING_STATUS);
            EXPECT_EQ(TextOf(status), c.line);
            EXPECT_EQ(static_cast<const QLabel*>(WidgetOf(status))->text().toStdString(), c.line);
            EndDialog(OpenBox(dialog), IDOK);
        });
    }
    CDibG::s_bWinG = wingBefore;
    CDibG::s_nOrientation = orientationBefore;
}

TEST_F(DialogTest, EnterSpaceAndOkEndWithOkEscapeAndACloseRequestWithCancel) {
    struct Case {
        std::string what;
        std::function<void(HWND box)> act;
        int result;
    };
    const auto okButton = [](HWND box) { return GetDlgItem(box, IDOK); };
    const Case cases[] = {
        {"Enter", [&](HWND box) { PressKey(okButton(box), Qt::Key_Return); }, IDOK},
        {"Enter on the box", [&](HWND box) { PressKey(box, Qt::Key_Return); }, IDOK},
        {"Space on OK", [&](HWND box) { PressKey(okButton(box), Qt::Key_Space); }, IDOK},
        {"OK clicked",
         [&](HWND box) { static_cast<QPushButton*>(WidgetOf(okButton(box)))->click(); }, IDOK},
        {"Escape", [&](HWND box) { PressKey(okButton(box), Qt::Key_Escape); }, IDCANCEL},
        // The close box, or Alt+F4 where the box has none.
        {"close request", [](HWND box) { WidgetOf(box)->close(); }, IDCANCEL},
    };
    const std::pair<std::string, std::function<std::unique_ptr<CDialog>()>> boxes[] = {
        {"About", [] { return std::make_unique<CAboutDlg>(); }},
        {"Quick Help", [] { return std::make_unique<CQuickHelpDlg>(); }},
    };
    for (const auto& [name, make] : boxes) {
        for (const Case& c : cases) {
            const std::unique_ptr<CDialog> dialog = make();
            SCOPED_TRACE(c.what + " on " + name);
            EXPECT_EQ(RunWhileOpen(*dialog, [&] { c.act(OpenBox(*dialog)); }), c.result);
        }
    }
}

TEST_F(DialogTest, ABoxWithoutATemplateIsNeitherMadeNorShown) {
    CDialog missing(999);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.m_hWnd, nullptr);
}

TEST_F(DialogTest, F1OpensQuickHelpAndTheProgramStandsStillWhileItIsOpen) {
    ViewCalls& calls = RecordedViewCalls();
    int stepsAtOpen = -1;
    int pausesBeforeOpen = -1;
    int resumesAtClose = -1;
    bool sawBox = false;
    calls.onStep = [&] {
        if (calls.steps == 3) {
            // The program's loop is running: F1 on its view.
            pausesBeforeOpen = calls.pauses;
            PressKey(Frame()->GetActiveView()->m_hWnd, Qt::Key_F1);
        }
        if (sawBox && calls.steps == stepsAtOpen + 3) {
            PostQuitMessage(0);
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || sawBox) {
            return;
        }
        sawBox = true;
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Quick Help"));
        stepsAtOpen = calls.steps;
        // Let the box's loop run for a while before it is closed.
        QTimer::singleShot(100, [&, modal] {
            EXPECT_EQ(calls.steps, stepsAtOpen) << "no frame while the box is open";
            EXPECT_EQ(calls.pauses, pausesBeforeOpen + 1) << "the tune waits";
            resumesAtClose = calls.resumes;
            PressKey(modal->focusWidget() != nullptr ? modal->focusWidget() : modal,
                     Qt::Key_Return);
        });
    });
    poll.start(10);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { PostQuitMessage(0); });
    guard.start(5000);
    m_app.Run();
    MSG quit;  // the loop passed its quit on; take it
    PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE);

    ASSERT_TRUE(sawBox);
    EXPECT_GT(calls.steps, stepsAtOpen) << "frames go on once it is closed";
    EXPECT_EQ(calls.resumes, resumesAtClose + 1) << "and so does the tune";
}

}  // namespace
