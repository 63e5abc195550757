#include "platform/afx/dialog.h"

#include "platform/afx/win_app.h"
#include "platform/base/instance.h"
#include "platform/user/dialog_api.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;

const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        vandrel::afx::OnMessage<WM_INITDIALOG, &CDialog::HandleInitDialog>(),
        vandrel::afx::OnCommand<IDOK, &CDialog::OnOK>(),
        vandrel::afx::OnCommand<IDCANCEL, &CDialog::OnCancel>(),
    };
    static const MessageMap map{CWnd::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const {
    return GetThisMessageMap();
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

int CDialog::DoModal() {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    if (resource == nullptr) {
        return -1;
    }
    const auto* dialogTemplate = static_cast<const vandrel::user::DialogTemplate*>(
        LockResource(LoadResource(instance, resource)));
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    const HWND dialog = vandrel::user::CreateDialogFromTemplate(
        instance, *dialogTemplate, owner != nullptr ? owner->m_hWnd : nullptr,
        [this](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
            return Receive(hWnd, message, wParam, lParam);
        });
    if (dialog == nullptr) {
        return -1;
    }
    const int result = vandrel::user::RunModalDialog(dialog);
    DestroyWindow();
    return result;
}

LRESULT CDialog::HandleInitDialog(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
