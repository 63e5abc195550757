#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <map>

#include "platform/user/hooks.h"
#include "platform/user/window_api.h"

namespace {

std::map<int, int>& Overrides() {
    static std::map<int, int> overrides;
    return overrides;
}

int HostMetric(int index) {
    if (qApp == nullptr) {
        return 0;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    switch (index) {
        case SM_CXSCREEN:
            return screen != nullptr ? screen->geometry().width() : 0;
        case SM_CYSCREEN:
            return screen != nullptr ? screen->geometry().height() : 0;
        case SM_CYCAPTION:
            return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        case SM_CYMENU: {
            // What a menu bar with one popup is as tall as in this style.
            QMenuBar bar;
            bar.addMenu(QStringLiteral("&File"));
            return bar.sizeHint().height();
        }
        default:
            return 0;
    }
}

}  // namespace

namespace vandrel::hooks {

void SetSystemMetric(int index, int value) {
    Overrides()[index] = value;
}

void ResetSystemMetrics() {
    Overrides().clear();
}

}  // namespace vandrel::hooks

int GetSystemMetrics(int index) {
    const auto it = Overrides().find(index);
    return it != Overrides().end() ? it->second : HostMetric(index);
}
