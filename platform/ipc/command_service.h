// The program's session-bus service: other programs (and users, with
// `gdbus call`) send it command ids, as if chosen from a menu, and read the
// status bar's panes. This is how the commands that have no menu item, key
// or button are reached.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/base/win_types.h"

namespace vandrel::ipc {

inline constexpr const char* kServiceName = "org.korvanth.Vandrel";
inline constexpr const char* kObjectPath = "/org/korvanth/Vandrel";
inline constexpr const char* kInterfaceName = "org.korvanth.Vandrel";

struct CommandHandlers {
    // Posts the command; false refuses an id the program does not define.
    std::function<bool(UINT id)> postCommand;
    // The pane's text, or nothing for a pane that does not exist.
    std::function<std::optional<std::string>(UINT pane)> paneText;
};

// Offers the service on the session bus. False, and nothing else, when there
// is no session bus or another instance already owns the name.
bool StartCommandService(CommandHandlers handlers);
void StopCommandService();

}  // namespace vandrel::ipc
