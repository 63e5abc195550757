#include "platform/afx/afx_message_box.h"

#include "platform/afx/win_app.h"
#include "platform/afx/wnd.h"
#include "platform/user/message_box_api.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    CWinApp* app = AfxGetApp();
    CWnd* owner = AfxGetMainWnd();
    return MessageBoxA(owner != nullptr ? owner->m_hWnd : nullptr, lpszText,
                       app != nullptr ? app->m_pszAppName : nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}
