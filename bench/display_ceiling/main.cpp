// The ceiling of the display path: shows one fixed 512 x 512 picture as often
// as it can for a given time, each frame a synchronous repaint of the whole
// picture as the program's benchmarks do it, and prints the frame rate. The
// program's own frame rates are read against this figure on the same display.
// Usage: vandrel_display_ceiling [--seconds N] [Qt options such as -platform]
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QWindow>
#include <cstdio>

#include "bench/display_ceiling/ceiling_view.h"

namespace {

constexpr int kExposeTimeoutMs = 10000;

// A window that is not yet exposed drops its repaints, which would make the
// figure meaningless; waits, bounded, until the display shows it.
bool WaitUntilExposed(QWidget& view) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kExposeTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const QWindow* window = view.windowHandle();
        if (window != nullptr && window->isExposed()) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Shows a 512 x 512 picture as often as the display allows.");
    parser.addHelpOption();
    const QCommandLineOption secondsOption("seconds", "How long to run (default 1).", "N", "1");
    parser.addOption(secondsOption);
    parser.process(app);
    bool valid = false;
    const int seconds = parser.value(secondsOption).toInt(&valid);
    if (!valid || seconds < 1) {
        std::fprintf(stderr, "--seconds takes a whole number of seconds, 1 or more\n");
        return 2;
    }

    vandrel::bench::CeilingView view;
    view.setWindowTitle("Display ceiling");
    view.show();
    if (!WaitUntilExposed(view)) {
        std::fprintf(stderr, "the window was not shown within %d ms\n", kExposeTimeoutMs);
        return 1;
    }

    const QRect whole(0, 0, vandrel::bench::CeilingView::kSide, vandrel::bench::CeilingView::kSide);
    const qint64 budgetMs = qint64{seconds} * 1000;
    long long frames = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < budgetMs) {
        view.repaint(whole);
        ++frames;
    }
    const double elapsedSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("frames: %lld in %.3f seconds\n", frames, elapsedSeconds);
    std::printf("frames per second: %.0f\n", static_cast<double>(frames) / elapsedSeconds);
    return 0;
}
