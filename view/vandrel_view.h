// The distortion view, under construction: so far it carries what the shell
// calls on it (frame stepping, pausing and resuming the tune) and the switch
// to the frame-driving loop. The engine, the surface, display modes,
// pictures and tunes arrive with the view's own work.
#pragma once

#include "platform/afx/view.h"

class CVandrelView : public CView {
    DECLARE_DYNCREATE(CVandrelView);

public:
    CVandrelView() = default;

    // One animation step, called by the loop whenever the queue is empty.
    void StepFrame();
    // The main frame lost or regained activation.
    void PauseTune();
    void ResumeTune();
    // Frames are driven by the message loop.
    void OnDrivePeekMessage();

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDraw(CDC* pDC) override;
};
