// The framework's view: the child window that shows a document and is the
// first to see each command.
#pragma once

#include "platform/afx/wnd.h"

class CDC;
class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView);

public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // The view's own handlers first, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    CView() = default;

    // Draws the document's picture into a paint context.
    virtual void OnDraw(CDC* pDC) = 0;

    // Joins the document named by the creation context.
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnPaint();
    virtual void OnInitialUpdate();
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

    CDocument* m_pDocument = nullptr;

    friend class CDocument;
};
