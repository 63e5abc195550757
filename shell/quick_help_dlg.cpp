#include "shell/quick_help_dlg.h"

#include "res/resource.h"

const vandrel::afx::MessageMap* CQuickHelpDlg::GetThisMessageMap() {
    static const vandrel::afx::MessageMap map{CDialog::GetThisMessageMap(), {}};
    return &map;
}

const vandrel::afx::MessageMap* CQuickHelpDlg::GetMessageMap() const {
    return GetThisMessageMap();
}

CQuickHelpDlg::CQuickHelpDlg() : CDialog(IDD_QUICKHELP) {}

CQuickHelpDlg::~CQuickHelpDlg() = default;

void CQuickHelpDlg::DoDataExchange(CDataExchange* /*pDX*/) {}
