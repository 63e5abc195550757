// The three display modes and the placement of the view between the main
// frame's toolbar and status bar.
#include <algorithm>

#include "platform/afx/cmd_ui.h"
#include "platform/afx/win_app.h"
#include "shell/main_frame.h"
#include "view/vandrel_view.h"

namespace {

// The view's client size, counted as the framework's inclusive rectangles
// count it: one more than the client area in each direction.
CSize InclusiveClientSize(const CWnd& wnd) {
    CRect client;
    wnd.GetClientRect(&client);
    return CSize(client.right - client.left + 1, client.bottom - client.top + 1);
}

}  // namespace

void CVandrelView::LayoutView() {
    auto* frame = static_cast<CMainFrame*>(AfxGetMainWnd());
    if (frame == nullptr) {
        return;
    }
    CRect area;
    frame->GetClientRect(&area);
    area.top += frame->GetToolBarHeight() - 1;
    area.bottom -= frame->GetStatusBarHeight();

    if (m_nDisplayMode == kDisplayWindow) {
        MoveWindow(area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1,
                   TRUE);
        m_size = InclusiveClientSize(*this);
        return;
    }
    // Centred in the free area and cut to it; the window's outer rectangle
    // starts a pixel above and to the left of the picture's.
    const int w = m_size.cx;
    const int h = m_size.cy;
    const int x = area.left + (area.right - w - area.left + 1) / 2;
    const int y = area.top + (area.bottom - h - area.top + 1) / 2;
    const int left = std::max<int>(area.left, x);
    const int top = std::max<int>(area.top, y);
    const int right = std::min<int>(area.right, x + w - 1);
    const int bottom = std::min<int>(area.bottom, y + h - 1);
    MoveWindow(left - 1, top - 1, right - left + 2, bottom - top + 2, TRUE);
}

void CVandrelView::OnDisplayNormal() {
    m_nDisplayMode = kDisplayNormal;
    m_size = m_dib.GetSize();
    LayoutView();
}

void CVandrelView::OnDisplayDoubled() {
    m_nDisplayMode = kDisplayDoubled;
    const CSize picture = m_dib.GetSize();
    m_size = CSize(picture.cx * 2, picture.cy * 2);
    LayoutView();
}

void CVandrelView::OnDisplayWindow() {
    m_nDisplayMode = kDisplayWindow;
    m_size = InclusiveClientSize(*this);
    LayoutView();
}

void CVandrelView::OnUpdateDisplayNormal(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nDisplayMode == kDisplayNormal);
}

void CVandrelView::OnUpdateDisplayDoubled(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nDisplayMode == kDisplayDoubled);
}

void CVandrelView::OnUpdateDisplayWindow(CCmdUI* pCmdUI) {
    // Stretching to any size is only fast enough with WinG.
    pCmdUI->Enable(CDibG::s_bWinG);
    pCmdUI->SetCheck(m_nDisplayMode == kDisplayWindow);
}
