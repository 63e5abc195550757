// The main frame: the program's only top-level window, with the menu, a
// toolbar of picture buttons, a status bar with a message pane and a
// frame-rate pane, and the view between them on a grey backdrop.
#pragma once

#include "platform/afx/dc.h"
#include "platform/afx/frame_wnd.h"
#include "platform/afx/status_bar.h"
#include "platform/afx/toolbar.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame);

public:
    CMainFrame() = default;
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The command dispatch, guarded: an exception from any command handler is
    // fatal and closes the program in order.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // One more than each bar's height when it shows, else 0; the view's
    // layout counts on exactly this.
    int GetToolBarHeight() const;
    int GetStatusBarHeight() const;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
};
