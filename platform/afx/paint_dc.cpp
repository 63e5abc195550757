#include "platform/afx/paint_dc.h"

#include "platform/afx/message_map.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
    // The window system made the context and takes it back.
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

BOOL vandrel::afx::CallWithDC(HDC hDC, const std::function<BOOL(CDC*)>& handler) {
    CDC dc;
    dc.Attach(hDC);
    const BOOL result = handler(&dc);
    dc.Detach();
    return result;
}
