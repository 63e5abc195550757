#include "platform/afx/control_bar.h"

#include "platform/afx/frame_wnd.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnMessage;

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

const MessageMap* CControlBar::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnMessage<WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI>(),
    };
    static const MessageMap map{CWnd::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CControlBar::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CControlBar::CreateBar(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & 0xFFFF;
    return Create(nullptr, dwStyle & 0xFFFF0000u, RECT{0, 0, 0, 0}, pParentWnd, nID);
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM /*lParam*/) {
    if (IsWindowVisible()) {
        if (CFrameWnd* target = GetParentFrame()) {
            OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
        }
    }
    return 0;
}
