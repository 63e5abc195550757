#include "platform/user/modal_loop.h"

#include <QDialog>

#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"

namespace vandrel::user {

int RunModal(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.open();
    MSG msg{};
    while (dialog.isVisible()) {
        WaitForHostEvents();
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                dialog.reject();
                return QDialog::Rejected;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return dialog.result();
}

}  // namespace vandrel::user
