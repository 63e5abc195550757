#include "shell/remote_commands.h"

#include "platform/afx/win_app.h"
#include "platform/base/cstring.h"
#include "platform/ipc/command_service.h"
#include "platform/user/message_api.h"
#include "shell/main_frame.h"

namespace {

// Command ids start at 0x8000; every command the program defines has its
// prompt in the string table, so that is what tells a command from a number.
constexpr UINT kFirstCommandId = 0x8000;

bool IsDefinedCommand(UINT id) {
    CString prompt;
    return id >= kFirstCommandId && id <= 0xFFFF && prompt.LoadString(id);
}

CMainFrame* MainFrame() {
    return static_cast<CMainFrame*>(AfxGetMainWnd());
}

}  // namespace

void StartRemoteCommands() {
    vandrel::ipc::StartCommandService(
        {[](UINT id) {
             CMainFrame* frame = MainFrame();
             // Posted like a menu choice, so it runs from the message loop
             // with the frame's guard around it, after the caller has its
             // answer.
             return frame != nullptr && IsDefinedCommand(id) &&
                    frame->PostMessage(WM_COMMAND, id, 0);
         },
         [](UINT pane) -> std::optional<std::string> {
             CMainFrame* frame = MainFrame();
             if (frame == nullptr || pane >= static_cast<UINT>(frame->m_wndStatusBar.GetCount())) {
                 return std::nullopt;
             }
             return frame->m_wndStatusBar.GetPaneText(static_cast<int>(pane)).str();
         }});
}

void StopRemoteCommands() {
    vandrel::ipc::StopCommandService();
}
