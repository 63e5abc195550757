#include "platform/user/dialog_colors.h"

#include <QPalette>
#include <QWidget>

#include "platform/user/message_box_api.h"

namespace vandrel::user {
namespace {

struct DialogColors {
    bool set = false;
    COLORREF background = 0;
    COLORREF text = 0;
};

DialogColors& TheColors() {
    static DialogColors colors;
    return colors;
}

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace

void SetDialogColors(COLORREF background, COLORREF text) {
    TheColors() = DialogColors{true, background, text};
}

void ApplyDialogColors(QWidget& widget) {
    const DialogColors& colors = TheColors();
    if (!colors.set) {
        return;
    }
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(colors.background));
    palette.setColor(QPalette::WindowText, ToQColor(colors.text));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace vandrel::user
