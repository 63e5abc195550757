// The framework's status bar: a stretching, borderless message pane first and
// indicator panes after it, each as wide as its string's text.
#pragma once

#include <vector>

#include "platform/afx/control_bar.h"
#include "platform/base/cstring.h"

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar);

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; an indicator's string gives its first text and width.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // A disabled pane shows no text.
    void EnablePane(int nIndex, BOOL bEnable);

    int CalcFixedHeight() const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    vandrel::user::WindowKind KindOfWindow(const CREATESTRUCT& cs) const override;

private:
    struct Pane {
        UINT id;
        CString text;
        bool enabled;
    };
    void Show(int nIndex);

    std::vector<Pane> m_panes;
};
