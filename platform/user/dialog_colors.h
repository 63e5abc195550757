// Internal: the colours the program chose for its boxes and dialogs, put on
// each one as it is made.
#pragma once

class QWidget;

namespace vandrel::user {

// Gives `widget` the chosen background and text colours; nothing when the
// program chose none, so the desktop's own colours stay.
void ApplyDialogColors(QWidget& widget);

}  // namespace vandrel::user
