// The program's own application object, unchanged but for one look at each
// pass of its frame-driving loop: just before the loop steps the view.
#pragma once

#include <functional>
#include <utility>

#include "shell/vandrel_app.h"

namespace vandrel::soak {

class SoakApp : public CVandrelApp {
public:
    explicit SoakApp(std::function<void()> beforeStep) : m_beforeStep(std::move(beforeStep)) {}

    // In the frame-driving mode the second idle pass is the last thing the
    // loop does before it steps the active view, after every queued message
    // has been dispatched; what is posted here is dispatched before the next
    // step.
    BOOL OnIdle(LONG lCount) override {
        const BOOL bMore = CVandrelApp::OnIdle(lCount);
        if (lCount == 1 && m_bPeekDrive) {
            m_beforeStep();
        }
        return bMore;
    }

private:
    std::function<void()> m_beforeStep;
};

}  // namespace vandrel::soak
