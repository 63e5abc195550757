// Control bars: windows docked at an edge of their frame that bring their
// items up to date in the idle pass.
#pragma once

#include "platform/afx/wnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar);

public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    // The height the bar takes at its edge.
    virtual int CalcFixedHeight() const = 0;
    // Asks `pTarget` to update each item of the bar.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    // Creates the bar's window; the CBRS_ bits of dwStyle become the bar style.
    BOOL CreateBar(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DWORD m_dwStyle = 0;
};
