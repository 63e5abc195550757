#include "platform/afx/status_bar.h"

#include "platform/afx/cmd_ui.h"
#include "platform/afx/frame_wnd.h"
#include "platform/user/controls.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

// A pane's state as its update handler leaves it.
class CStatusCmdUI : public CCmdUI {
protected:
    void ApplyEnable(BOOL bOn) override { Bar().EnablePane(static_cast<int>(m_nIndex), bOn); }
    void ApplyCheck(int) override {}  // panes have no checked look
    void ApplyText(LPCSTR lpszText) override {
        Bar().SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }

private:
    CStatusBar& Bar() const { return *static_cast<CStatusBar*>(m_pOther); }
};

}  // namespace

vandrel::user::WindowKind CStatusBar::KindOfWindow(const CREATESTRUCT& /*cs*/) const {
    return vandrel::user::WindowKind::StatusBar;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateBar(pParentWnd, dwStyle, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    m_panes.clear();
    std::vector<vandrel::user::StatusPane> layout;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane{lpIDArray[i], CString(), true};
        if (pane.id != ID_SEPARATOR && !pane.text.LoadString(pane.id)) {
            return FALSE;
        }
        // The first pane is the message pane: it stretches and has no border.
        const bool message = i == 0;
        layout.push_back(
            {message ? -1 : vandrel::user::StatusBarTextWidth(m_hWnd, pane.text.str()), !message});
        m_panes.push_back(pane);
    }
    vandrel::user::StatusBarSetPanes(m_hWnd, layout);
    for (int i = 0; i < GetCount(); ++i) {
        Show(i);
    }
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL /*bUpdate*/) {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return FALSE;
    }
    m_panes[static_cast<std::size_t>(nIndex)].text = lpszNewText;
    Show(nIndex);
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].text
                                              : CString();
}

void CStatusBar::EnablePane(int nIndex, BOOL bEnable) {
    if (nIndex >= 0 && nIndex < GetCount()) {
        m_panes[static_cast<std::size_t>(nIndex)].enabled = bEnable != FALSE;
        Show(nIndex);
    }
}

void CStatusBar::Show(int nIndex) {
    const Pane& pane = m_panes[static_cast<std::size_t>(nIndex)];
    vandrel::user::StatusBarSetText(m_hWnd, nIndex, pane.enabled ? pane.text.str() : std::string());
}

int CStatusBar::CalcFixedHeight() const {
    return vandrel::user::StatusBarHeight(m_hWnd);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].id;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
