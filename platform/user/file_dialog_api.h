// The file-open dialog the framework's open command shows.
#pragma once

#include <string>

#include "platform/user/user_types.h"

namespace vandrel::user {

// Asks the user for an existing file; false when the user cancels.
bool AskForFileToOpen(HWND owner, std::string* path);

}  // namespace vandrel::user
