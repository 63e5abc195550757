#include "shell/vandrel_app.h"

#include "platform/afx/afx_message_box.h"
#include "platform/afx/doc_template.h"
#include "platform/afx/wnd.h"
#include "platform/kernel/process.h"
#include "platform/sound/play_sound.h"
#include "platform/user/message_api.h"
#include "res/resource.h"
#include "shell/main_frame.h"
#include "shell/remote_commands.h"
#include "shell/vandrel_doc.h"
#include "view/vandrel_view.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnCommand;

BOOL g_bAppOK = TRUE;

const MessageMap* CVandrelApp::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnCommand<ID_APP_ABOUT, &CVandrelApp::OnAppAbout>(),
        OnCommand<ID_HELP_ABOUTMAKER, &CVandrelApp::OnAboutMaker>(),
        OnCommand<ID_HELP_QUICKHELP, &CVandrelApp::OnQuickHelp>(),
        OnCommand<ID_APP_EXIT, &CVandrelApp::OnAppExit>(),
        OnCommand<ID_FILE_NEW, &CVandrelApp::OnFileNew>(),
        OnCommand<ID_FILE_OPEN, &CVandrelApp::OnFileOpen>(),
    };
    static const MessageMap map{CCmdTarget::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CVandrelApp::GetMessageMap() const {
    return GetThisMessageMap();
}

CVandrelApp::CVandrelApp() : m_bPeekDrive(FALSE) {}

CVandrelApp::~CVandrelApp() {
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
}

BOOL CVandrelApp::InitInstance() {
    // A refusal (an unprivileged process) leaves the priority as it was.
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVandrelDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CVandrelView)));
    m_nCmdShow = SW_SHOWMAXIMIZED;
    OnFileNew();
    // Without a main window the loop would run for ever with nothing to show
    // or close: the template has told the user, and start-up fails.
    if (!g_bAppOK || AfxGetMainWnd() == nullptr) {
        return FALSE;
    }
    StartRemoteCommands();
    return TRUE;
}

void CVandrelApp::ReportException(CException* e) {
    sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT);
    CString text;
    text.LoadString(e->IsKindOf(RUNTIME_CLASS(CMemoryException)) ? IDS_OUT_OF_MEMORY
                                                                 : IDS_UNEXPECTED_ERROR);
    AfxMessageBox(text, MB_ICONSTOP);
}

void CVandrelApp::OnAppExit() {
    if (CWnd* mainWindow = AfxGetMainWnd()) {
        // Posted, not sent: the command returns before the window closes.
        mainWindow->PostMessage(WM_CLOSE, 0, 0);
    }
}
