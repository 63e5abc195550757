#include "tests/shell/recording_view.h"

#include "platform/base/exceptions.h"
#include "res/resource.h"
#include "shell/vandrel_app.h"
#include "view/vandrel_view.h"

ViewCalls& RecordedViewCalls() {
    static ViewCalls calls;
    return calls;
}

IMPLEMENT_DYNCREATE(CVandrelView, CView)

// Nothing of the real view's state is needed to drive the shell.
CVandrelView::CVandrelView() = default;
CVandrelView::~CVandrelView() = default;

const vandrel::afx::MessageMap* CVandrelView::GetThisMessageMap() {
    static const vandrel::afx::MessageMapEntry entries[] = {
        vandrel::afx::OnMessage<WM_CREATE, &CVandrelView::OnCreate>(),
        vandrel::afx::OnCommand<ID_DRIVE_PEEKMESSAGE, &CVandrelView::OnDrivePeekMessage>(),
    };
    static const vandrel::afx::MessageMap map{CView::GetThisMessageMap(), entries};
    return &map;
}

const vandrel::afx::MessageMap* CVandrelView::GetMessageMap() const {
    return GetThisMessageMap();
}

int CVandrelView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1 || RecordedViewCalls().failCreate) {
        return -1;
    }
    static_cast<CVandrelApp*>(AfxGetApp())->m_bPeekDrive = TRUE;
    return 0;
}

void CVandrelView::OnDrivePeekMessage() {
    ++RecordedViewCalls().driveCommands;
    if (RecordedViewCalls().throwOnDriveCommand) {
        RecordedViewCalls().throwOnDriveCommand = false;
        AfxThrowMemoryException();
    }
}

void CVandrelView::StepFrame() {
    ViewCalls& calls = RecordedViewCalls();
    ++calls.steps;
    if (calls.onStep) {
        calls.onStep();
    }
    const int failure = calls.throwOnStep;
    calls.throwOnStep = 0;
    if (failure == 1) {
        AfxThrowMemoryException();
    }
    if (failure == 2) {
        AfxThrowResourceException();
    }
}

void CVandrelView::PauseTune() {
    ++RecordedViewCalls().pauses;
}

void CVandrelView::ResumeTune() {
    ++RecordedViewCalls().resumes;
}

void CVandrelView::OnDraw(CDC* /*pDC*/) {}
