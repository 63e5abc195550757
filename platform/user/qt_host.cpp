#include "platform/user/qt_host.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gdi/window_surface.h"
#include "platform/user/key_router.h"
#include "platform/user/paint_internal.h"
#include "platform/user/window_api.h"

namespace vandrel::user {
namespace {

QApplication* g_application = nullptr;
bool g_opening = false;
QString g_openingWarning;

// Qt gives up with a fatal message when it cannot reach the display; while
// the application object is being made, that becomes one clear line and a
// failure status instead of an abort.
void ReportFatalWhileOpening(QtMsgType type, const QMessageLogContext& /*context*/,
                             const QString& message) {
    if (g_opening) {
        if (type == QtWarningMsg || type == QtCriticalMsg) {
            // Qt's own account of what went wrong comes first; keep it for
            // the one line the user sees.
            if (g_openingWarning.isEmpty()) {
                g_openingWarning = message.section(QLatin1Char('\n'), 0, 0);
            }
            return;
        }
        if (type == QtFatalMsg) {
            const QString reason = g_openingWarning.isEmpty()
                                       ? message.section(QLatin1Char('\n'), 0, 0)
                                       : g_openingWarning;
            std::fprintf(stderr, "vandrel: cannot open the display: %s\n",
                         reason.toLocal8Bit().constData());
            std::_Exit(EXIT_FAILURE);
        }
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

bool HasDisplayToTry() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        return true;
    }
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

bool OpenDisplay(std::string* error) {
    if (g_application != nullptr) {
        return true;
    }
    if (!HasDisplayToTry()) {
        *error = "no display is set (neither DISPLAY nor WAYLAND_DISPLAY)";
        return false;
    }
    static int argc = 1;
    static char name[] = "vandrel";
    static char* argv[] = {name, nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(ReportFatalWhileOpening);
    g_opening = true;
    g_application = new QApplication(argc, argv);
    g_opening = false;
    qInstallMessageHandler(previous);
    // The program's loop decides when it ends, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallKeyRouter(*g_application);
    ProvideWindowSurfaces();
    gdi::SetScreenResolution(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return true;
}

void PumpHostEvents() {
    if (g_application == nullptr) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WaitForHostEvents() {
    if (g_application == nullptr) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace vandrel::user
