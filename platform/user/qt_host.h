// Internal: the one Qt application object of the process and its event pump.
#pragma once

#include <string>

namespace vandrel::user {

// Connects to the display, once. On failure `error` says why and nothing
// else of the window system may be used.
bool OpenDisplay(std::string* error);
// Lets Qt deliver everything it has pending, without waiting, and deletes
// the widgets whose deletion was deferred (a hand-written loop never runs
// Qt's own deferred deletion).
void PumpHostEvents();
// Blocks until Qt has something to deliver, then delivers it.
void WaitForHostEvents();

}  // namespace vandrel::user
