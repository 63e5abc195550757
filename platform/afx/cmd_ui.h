// The state of one user-interface item (menu item, toolbar button, status
// pane) that update handlers set: enabled, checked, text. The framework
// fills one in and lets the command's update handler work on it.
#pragma once

#include "platform/afx/afx_ids.h"

class CCmdTarget;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;

    void Enable(BOOL bOn = TRUE);
    void SetCheck(int nCheck = 1);
    void SetText(LPCSTR lpszText);

    // Asks `pTarget` to update this item; with bDisableIfNoHndler an item
    // whose command nobody handles is disabled. Separators are skipped.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    HMENU m_pMenu = nullptr;   // the popup, for menu items
    CWnd* m_pOther = nullptr;  // the bar, for buttons and panes
    BOOL m_bEnableChanged = FALSE;

protected:
    // What each kind of item does; the defaults work on menu items.
    virtual void ApplyEnable(BOOL bOn);
    virtual void ApplyCheck(int nCheck);
    virtual void ApplyText(LPCSTR lpszText);
};

// Asks whether a command is enabled, without touching any item: the
// framework checks this before it runs a menu or key command.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;

protected:
    void ApplyEnable(BOOL bOn) override { m_bEnabled = bOn; }
    void ApplyCheck(int) override {}
    void ApplyText(LPCSTR) override {}
};
