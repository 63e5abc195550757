#include <QFileDialog>

#include "platform/user/file_dialog_api.h"
#include "platform/user/hooks.h"
#include "platform/user/modal_loop.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

std::function<std::optional<std::string>()>& Answerer() {
    static std::function<std::optional<std::string>()> answerer;
    return answerer;
}

}  // namespace

bool AskForFileToOpen(HWND owner, std::string* path) {
    if (const auto& answerer = Answerer()) {
        const std::optional<std::string> answer = answerer();
        if (answer) {
            *path = *answer;
        }
        return answer.has_value();
    }
    const WindowRecord* ownerRecord = FindWindowRecord(owner);
    QFileDialog dialog(ownerRecord != nullptr ? ownerRecord->widget.data() : nullptr,
                       QStringLiteral("Open"), QString(), QStringLiteral("All Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    *path = dialog.selectedFiles().front().toLocal8Bit().toStdString();
    return true;
}

}  // namespace vandrel::user

namespace vandrel::hooks {

void SetFileDialogAnswerer(std::function<std::optional<std::string>()> answerer) {
    vandrel::user::Answerer() = std::move(answerer);
}

}  // namespace vandrel::hooks
