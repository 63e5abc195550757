#include <QApplication>
#include <QCursor>

#include "platform/user/cursor_api.h"

namespace vandrel::user {

void BeginWaitCursor() {
    if (qApp != nullptr) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

void EndWaitCursor() {
    if (qApp != nullptr && QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace vandrel::user
