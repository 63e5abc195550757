#include "shell/about_maker_dlg.h"

#include "res/resource.h"

const vandrel::afx::MessageMap* CAboutMakerDlg::GetThisMessageMap() {
    static const vandrel::afx::MessageMap map{CDialog::GetThisMessageMap(), {}};
    return &map;
}

const vandrel::afx::MessageMap* CAboutMakerDlg::GetMessageMap() const {
    return GetThisMessageMap();
}

CAboutMakerDlg::CAboutMakerDlg() : CDialog(IDD_ABOUTMAKER) {}

CAboutMakerDlg::~CAboutMakerDlg() = default;

void CAboutMakerDlg::DoDataExchange(CDataExchange* /*pDX*/) {}
