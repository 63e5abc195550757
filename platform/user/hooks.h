// Test hooks of the window system: screen metrics, answers to message boxes
// and a view of what is posted.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/user/user_types.h"

namespace vandrel::hooks {

// Overrides what GetSystemMetrics reports for `index` (SM_CXSCREEN, ...).
void SetSystemMetric(int index, int value);
// Back to the host's own metrics.
void ResetSystemMetrics();

struct MessageBoxRequest {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
// While set, message boxes are not shown: the answerer sees each request and
// its result is the box's answer. Null shows real boxes again.
void SetMessageBoxAnswerer(std::function<int(const MessageBoxRequest&)> answerer);

// While set, the file-open dialog is not shown: the answerer gives the
// chosen file, or nothing for a cancelled dialog. Null shows it again.
void SetFileDialogAnswerer(std::function<std::optional<std::string>()> answerer);

// Sees every message as it is posted (WM_QUIT included), before it is queued.
void SetPostObserver(std::function<void(const MSG&)> observer);

}  // namespace vandrel::hooks
