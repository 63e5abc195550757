// Internal: the loop of a modal box or dialog. While it is open, what the
// window system delivers is dispatched, so the frame sees its activation
// change, but the program's own loop does not run. A quit request closes the
// dialog and is passed on.
#pragma once

class QDialog;

namespace vandrel::user {

// Shows `dialog` modally and returns its result once it is closed.
int RunModal(QDialog& dialog);

}  // namespace vandrel::user
