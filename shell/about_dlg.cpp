#include "shell/about_dlg.h"

#include "platform/user/dialog_api.h"
#include "res/resource.h"
#include "surface/dibg.h"

const vandrel::afx::MessageMap* CAboutDlg::GetThisMessageMap() {
    static const vandrel::afx::MessageMap map{CDialog::GetThisMessageMap(), {}};
    return &map;
}

const vandrel::afx::MessageMap* CAboutDlg::GetMessageMap() const {
    return GetThisMessageMap();
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* /*pDX*/) {
    const char* text = "WinG is not being used";
    if (CDibG::s_bWinG) {
        text = CDibG::s_nOrientation == CDibG::kBottomUp
                   ? "WinG is being used, orientation is bottom-up"
                   : "WinG is being used, orientation is top-down";
    }
    SetDlgItemTextA(m_hWnd, IDC_WING_STATUS, text);
}
