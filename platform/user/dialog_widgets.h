// Internal: the Qt widgets behind dialog boxes and their controls. The box
// keeps how it was ended; a button's click and the box's close box become
// commands to the box's window, as the original controls sent them.
#pragma once

#include <QDialog>

#include "platform/user/controls.h"
#include "platform/user/window_record.h"

namespace vandrel::user {

class DialogWidget : public QDialog {
public:
    DialogWidget(HWND window, DWORD style, QWidget* owner);

    void End(int result);
    bool Ended() const { return m_ended; }
    int Result() const { return m_result; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HWND m_window;
    bool m_ended = false;
    int m_result = 0;
};

QWidget* CreateDialogWidget(const WindowRecord& record, QWidget* owner);
// A static text or icon (WindowKind::Static) or a push button.
QWidget* CreateDialogControlWidget(const WindowRecord& record, QWidget* parent);
// Shows the record's text on its control again.
void ShowControlText(const WindowRecord& record);
// Puts `icon` on an icon control, which takes the icon's size.
void ShowControlIcon(const WindowRecord& record, const Image32& icon);
// Whether a control is a push button, and whether the default one.
bool IsPushButton(const WindowRecord& record);
bool IsDefaultPushButton(const WindowRecord& record);

}  // namespace vandrel::user
