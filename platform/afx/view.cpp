#include "platform/afx/view.h"

#include "platform/afx/document.h"
#include "platform/afx/frame_wnd.h"
#include "platform/afx/paint_dc.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnMessage;

IMPLEMENT_DYNAMIC(CView, CWnd)

const MessageMap* CView::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnMessage<WM_CREATE, &CView::OnCreate>(),
        OnMessage<WM_PAINT, &CView::OnPaint>(),
        OnMessage<WM_INITIALUPDATE, &CView::OnInitialUpdateMessage>(),
    };
    static const MessageMap map{CWnd::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CView::GetMessageMap() const {
    return GetThisMessageMap();
}

CView::~CView() {
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
    const auto* context = static_cast<const CCreateContext*>(lpcs->lpCreateParams);
    if (context != nullptr && context->m_pCurrentDoc != nullptr) {
        context->m_pCurrentDoc->AddView(this);
    }
    return 0;
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

void CView::OnInitialUpdate() {
    Invalidate(TRUE);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    OnInitialUpdate();
    return 0;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)
               ? TRUE
               : FALSE;
}

void CView::PostNcDestroy() {
    if (CFrameWnd* frame = GetParentFrame(); frame != nullptr && frame->GetActiveView() == this) {
        frame->SetActiveView(nullptr);
    }
    delete this;
}
