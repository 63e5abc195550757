#include "view/vandrel_view.h"

#include "platform/afx/win_app.h"
#include "res/resource.h"
#include "shell/vandrel_app.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnMessage;

IMPLEMENT_DYNCREATE(CVandrelView, CView)

const MessageMap* CVandrelView::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnMessage<WM_CREATE, &CVandrelView::OnCreate>(),
        vandrel::afx::OnCommand<ID_DRIVE_PEEKMESSAGE, &CVandrelView::OnDrivePeekMessage>(),
    };
    static const MessageMap map{CView::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CVandrelView::GetMessageMap() const {
    return GetThisMessageMap();
}

int CVandrelView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    OnDrivePeekMessage();
    return 0;
}

void CVandrelView::OnDrivePeekMessage() {
    static_cast<CVandrelApp*>(AfxGetApp())->m_bPeekDrive = TRUE;
}

void CVandrelView::StepFrame() {
    if (!g_bAppOK) {
        return;
    }
    // Until the renderer is in, a step asks only for the repaint that will
    // show the frame.
    InvalidateRect(nullptr, FALSE);
}

void CVandrelView::PauseTune() {
    // Tunes are not in yet: nothing plays that could pause.
}

void CVandrelView::ResumeTune() {
    // Tunes are not in yet: nothing to resume.
}

void CVandrelView::OnDraw(CDC* /*pDC*/) {
    // The surface's presentation is not in yet: the view shows its blank
    // backing image.
}
