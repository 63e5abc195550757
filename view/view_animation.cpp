// The animation drive: one frame per idle pass of the message loop, and the
// frame-rate pane.
#include "platform/afx/cmd_ui.h"
#include "shell/vandrel_app.h"
#include "view/frame_rate.h"
#include "view/vandrel_view.h"

void CVandrelView::StepFrame() {
    if (!g_bAppOK) {
        return;
    }
    vandrel::view::CountFrameStep();
    RenderFrame();
    AdvancePhases();
    InvalidateRect(nullptr, FALSE);
}

void CVandrelView::AdvancePhases() {
    m_nColPhase += static_cast<std::uint32_t>(m_nColStep);
    m_nRowPhase += static_cast<std::uint32_t>(m_nRowStep);
}

void CVandrelView::OnDrivePeekMessage() {
    m_bTimerDrive = FALSE;
    static_cast<CVandrelApp*>(AfxGetApp())->m_bPeekDrive = TRUE;
}

void CVandrelView::OnDriveTimer() {
    // Deliberately nothing: the message loop drives every frame, and the
    // peek-message item stays checked.
}

void CVandrelView::OnUpdateDriveTimer(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bTimerDrive);
}

void CVandrelView::OnUpdateDrivePeekMessage(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(!m_bTimerDrive);
}

void CVandrelView::OnFrameRate() {
    // Nothing to do: having a handler keeps the pane enabled, since the
    // framework blanks panes whose command nobody handles.
}

void CVandrelView::OnUpdateFrameRate(CCmdUI* pCmdUI) {
    pCmdUI->SetText(vandrel::view::FrameRateText());
}
