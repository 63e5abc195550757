// Test hooks of the window system: screen metrics, answers to message boxes,
// the dialog font's measures and a view of what is posted.
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

// The dialog font's measures that dialog units are taken from: its average
// character width and its height, in pixels.
struct DialogFontMetrics {
    int averageCharWidth;
    int charHeight;
};
// While set, dialogs are laid out with these measures instead of their
// font's own; an empty value goes back to the font's own.
void SetDialogFontMetrics(std::optional<DialogFontMetrics> metrics);

// Sees every message as it is posted (WM_QUIT included), before it is queued.
void SetPostObserver(std::function<void(const MSG&)> observer);

}  // namespace vandrel::hooks
