// The message loop. Each pass runs inside one exception frame: an exception
// from anything the loop calls itself is fatal, reported once, and the
// program closes through its exit command.
#include "platform/afx/frame_wnd.h"
#include "platform/user/message_api.h"
#include "res/resource.h"
#include "shell/vandrel_app.h"
#include "view/vandrel_view.h"

int CVandrelApp::Run() {
    for (;;) {
        int nExitCode = 0;
        try {
            const BOOL bGoOn = m_bPeekDrive ? PeekDrivePass(&nExitCode) : IdlePass(&nExitCode);
            if (!bGoOn) {
                return nExitCode;
            }
        } catch (CException& e) {
            g_bAppOK = FALSE;
            ReportException(&e);
            if (CWnd* mainWindow = AfxGetMainWnd()) {
                mainWindow->PostMessage(WM_COMMAND, ID_APP_EXIT, 0);
            }
        }
    }
}

BOOL CVandrelApp::IdlePass(int* pnExitCode) {
    // The framework's own idle loop: idle passes while nothing waits, then
    // one message; the count starts again after every message.
    LONG lIdleCount = 0;
    while (!PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!OnIdle(lIdleCount++)) {
            break;
        }
    }
    if (!PumpMessage()) {
        *pnExitCode = ExitInstance();
        return FALSE;
    }
    return TRUE;
}

BOOL CVandrelApp::PeekDrivePass(int* pnExitCode) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the mode and hand the quit on, so that whatever runs next
            // sees it too.
            m_bPeekDrive = FALSE;
            PostQuitMessage(static_cast<int>(msg.wParam));
            *pnExitCode = ExitInstance();
            return FALSE;
        }
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    OnIdle(0);
    OnIdle(1);
    StepActiveView();
    return TRUE;
}

void CVandrelApp::StepActiveView() {
    auto* mainWindow = static_cast<CFrameWnd*>(AfxGetMainWnd());
    if (mainWindow == nullptr) {
        return;
    }
    if (auto* view = static_cast<CVandrelView*>(mainWindow->GetActiveView())) {
        view->StepFrame();
    }
}
