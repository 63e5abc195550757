#include <QMessageBox>

#include "platform/user/dialog_colors.h"
#include "platform/user/hooks.h"
#include "platform/user/message_box_api.h"
#include "platform/user/modal_loop.h"
#include "platform/user/qt_host.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

struct Settings {
    std::function<int(const hooks::MessageBoxRequest&)> answerer;
};

Settings& TheSettings() {
    static Settings settings;
    return settings;
}

QMessageBox::Icon IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONSTOP:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int ShowBox(HWND owner, const QString& text, const QString& caption, UINT type) {
    const WindowRecord* ownerRecord = FindWindowRecord(owner);
    QMessageBox box(IconFor(type), caption, text, QMessageBox::NoButton,
                    ownerRecord != nullptr ? ownerRecord->widget.data() : nullptr);
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    ApplyDialogColors(box);
    RunModal(box);
    if (box.clickedButton() == nullptr) {
        return IDCANCEL;  // closed by a quit request
    }
    switch (box.result()) {
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDOK;
    }
}

}  // namespace

}  // namespace vandrel::user

namespace vandrel::hooks {

void SetMessageBoxAnswerer(std::function<int(const MessageBoxRequest&)> answerer) {
    vandrel::user::TheSettings().answerer = std::move(answerer);
}

}  // namespace vandrel::hooks

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const std::string body = text != nullptr ? text : "";
    const std::string title = caption != nullptr ? caption : "Error";
    if (const auto& answerer = vandrel::user::TheSettings().answerer) {
        return answerer(vandrel::hooks::MessageBoxRequest{owner, body, title, type});
    }
    std::string error;
    if (!vandrel::user::OpenDisplay(&error)) {
        return IDCANCEL;
    }
    return vandrel::user::ShowBox(owner, QString::fromLocal8Bit(body.c_str()),
                                  QString::fromLocal8Bit(title.c_str()), type);
}
