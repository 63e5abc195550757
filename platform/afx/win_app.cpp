#include "platform/afx/win_app.h"

#include "platform/afx/afx_message_box.h"
#include "platform/afx/doc_template.h"
#include "platform/afx/wnd.h"
#include "platform/user/file_dialog_api.h"
#include "platform/user/message_api.h"
#include "platform/user/message_box_api.h"
#include "platform/user/window_api.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName) {
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitApplication() {
    if (m_pszAppName == nullptr) {
        m_strAppName.LoadString(AFX_IDS_APP_TITLE);
        m_pszAppName = m_strAppName;
    }
    return TRUE;
}

int CWinApp::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinApp::PumpMessage() {
    if (!GetMessageA(&m_msgCur, nullptr, 0, 0)) {
        return FALSE;
    }
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    const HWND mainWindow = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    for (HWND window = pMsg->hwnd; window != nullptr; window = GetParent(window)) {
        if (CWnd* wrapper = CWnd::FromHandle(window);
            wrapper != nullptr && wrapper->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
        if (window == mainWindow) {
            return FALSE;
        }
    }
    // A message for a window outside the main window still gets the main
    // window's accelerators.
    return m_pMainWnd != nullptr && m_pMainWnd->PreTranslateMessage(pMsg) ? TRUE : FALSE;
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        CWnd* mainWindow = m_pMainWnd;
        if (mainWindow != nullptr && mainWindow->m_hWnd != nullptr &&
            mainWindow->IsWindowVisible()) {
            mainWindow->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            mainWindow->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        }
        return TRUE;
    }
    // The original framework freed temporary wrapper objects in the next
    // pass; this one never makes any, so nothing is left to do.
    return FALSE;
}

LRESULT CWinApp::ProcessWndProcException(const CException& e, UINT message) {
    AfxMessageBox(e.Describe().c_str(), MB_ICONSTOP);
    return message == WM_CREATE ? -1 : 0;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    m_templates.emplace_back(pTemplate);
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText) {
    vandrel::user::SetDialogColors(clrCtlBk, clrCtlText);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    m_nMaxMRU = nMaxMRU;
}

void CWinApp::CloseAllDocuments() {
    for (const auto& docTemplate : m_templates) {
        docTemplate->CloseAllDocuments();
    }
}

void CWinApp::OnFileNew() {
    // With one template there is nothing to choose: it makes the document.
    if (!m_templates.empty()) {
        m_templates.front()->OpenDocumentFile(nullptr);
    }
}

void CWinApp::OnFileOpen() {
    std::string path;
    if (m_templates.empty() || !vandrel::user::AskForFileToOpen(
                                   m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr, &path)) {
        return;
    }
    m_templates.front()->OpenDocumentFile(path.c_str());
}
