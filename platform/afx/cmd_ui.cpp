#include "platform/afx/cmd_ui.h"

#include "platform/afx/cmd_target.h"
#include "platform/user/menu_api.h"

void CCmdUI::Enable(BOOL bOn) {
    ApplyEnable(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    ApplyCheck(nCheck);
}

void CCmdUI::SetText(LPCSTR lpszText) {
    ApplyText(lpszText);
}

void CCmdUI::ApplyEnable(BOOL bOn) {
    if (m_pMenu != nullptr) {
        EnableMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (bOn != FALSE ? MF_ENABLED : MF_GRAYED));
    }
}

void CCmdUI::ApplyCheck(int nCheck) {
    if (m_pMenu != nullptr) {
        CheckMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CCmdUI::ApplyText(LPCSTR lpszText) {
    if (m_pMenu != nullptr) {
        ModifyMenuA(m_pMenu, m_nIndex, MF_BYPOSITION | MF_STRING, m_nID, lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) {
        return TRUE;  // separators and popups have no state of their own
    }
    m_bEnableChanged = FALSE;
    const BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler != FALSE && m_bEnableChanged == FALSE) {
        AFX_CMDHANDLERINFO info{nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}
