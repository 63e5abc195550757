// The framework's frame window: menu, accelerators, control bars docked at
// its edges, the view between them, the message pane's prompts, and the
// first leg of command routing (view, document, frame, application).
#pragma once

#include "platform/afx/wnd.h"
#include "platform/base/cstring.h"

class CView;
class CDocument;
class CDocTemplate;

// What the template hands a new frame so it can make its view.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
};

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd);

public:
    CFrameWnd() = default;

    // Creates the frame from resource `nIDResource`: title (the first field
    // of the string), menu, accelerators and icon.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew);
    CDocument* GetActiveDocument() const;
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    // Places the control bars at the edges and the view in the rest.
    virtual void RecalcLayout();

    // Puts the prompt of command `nID` (AFX_IDS_IDLEMESSAGE: the idle text)
    // or a text of its own in the message pane.
    void SetMessageText(UINT nID);
    void SetMessageText(LPCSTR lpszText);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

    BOOL m_bAutoMenuEnable = TRUE;
    CString m_strTitle;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnPaletteChanged(CWnd* pFocusWnd);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

private:
    void LoadIconFromResource(UINT nIDResource);

    CView* m_pViewActive = nullptr;
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDTracking = 0;
    UINT m_nIDLastMessage = 0;
};
