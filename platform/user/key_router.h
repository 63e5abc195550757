// Internal: turns Qt's key events on the program's windows into key messages.
#pragma once

class QApplication;

namespace vandrel::user {

void InstallKeyRouter(QApplication& application);
// The virtual-key code of a Qt key, or 0 when it has none.
int VirtualKeyFromQt(int qtKey);

}  // namespace vandrel::user
