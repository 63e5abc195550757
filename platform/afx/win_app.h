// The framework's application object: one per program, reached through
// AfxGetApp. It owns the document templates, the main window and the parts of
// the message loop that programs build their own loops from.
#pragma once

#include <memory>
#include <vector>

#include "platform/afx/cmd_target.h"
#include "platform/base/cstring.h"
#include "platform/base/exceptions.h"
#include "platform/user/user_types.h"

class CWnd;
class CDocTemplate;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp);

public:
    // With no name, the title comes from string AFX_IDS_APP_TITLE when the
    // framework starts (InitApplication).
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // The framework's start-up steps before InitInstance: the title.
    virtual BOOL InitApplication();
    virtual BOOL InitInstance() = 0;
    // The program's message loop; its result is the exit status.
    virtual int Run() = 0;
    virtual int ExitInstance();
    // Waits for one message and dispatches it; FALSE for the quit message.
    virtual BOOL PumpMessage();
    // Lets the windows from the message's own up to the main window look at
    // it first (accelerators); TRUE when one of them took it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Pass 0 brings the main window's bars and message pane up to date and
    // asks for more; later passes have nothing left to do.
    virtual BOOL OnIdle(LONG lCount);
    // An exception that reached a window procedure: reported, and the message
    // gets the result that fails it.
    virtual LRESULT ProcessWndProcException(const CException& e, UINT message);

    void AddDocTemplate(CDocTemplate* pTemplate);
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192),
                          COLORREF clrCtlText = RGB(0, 0, 0));
    // The recent-file list's size. Its entries would come from the program's
    // profile, but this framework opens no files, so the list stays empty
    // and nothing is read or written for it.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void CloseAllDocuments();

    // The new- and open-document commands' handlers, for programs to put in
    // their maps.
    void OnFileNew();
    void OnFileOpen();

    LPCSTR m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    MSG m_msgCur{};
    UINT m_nMaxMRU = 0;

private:
    CString m_strAppName;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The framework's start-up: display, InitApplication, InitInstance, Run.
// A start-up that fails ends with a failure status.
int AfxWinMain();
