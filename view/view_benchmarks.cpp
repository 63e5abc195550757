// The four benchmarks: a fixed number of frames as fast as possible, or as
// many frames as possible in a fixed time. Each frame is rendered, presented
// straight to the window through a client context, and the phases advanced,
// so the figures cover the whole work of a frame.
#include "platform/afx/dc.h"
#include "platform/afx/wait_cursor.h"
#include "platform/afx/win_app.h"
#include "platform/base/clock.h"
#include "shell/main_frame.h"
#include "view/benchmark_text.h"
#include "view/vandrel_view.h"

namespace {

// Shows the report in the main frame's message pane, when there is a frame.
void Report(const CString& text) {
    if (auto* frame = static_cast<CMainFrame*>(AfxGetMainWnd())) {
        frame->m_wndStatusBar.SetPaneText(0, text, TRUE);
    }
}

// The view's client context with the picture's palette realised in it, as
// every benchmark frame is presented through it.
class BenchmarkCanvas : public CClientDC {
public:
    BenchmarkCanvas(CWnd* pView, CPalId* pPalette) : CClientDC(pView) {
        if (pPalette != nullptr) {
            SelectPalette(pPalette, FALSE);
            RealizePalette();
        }
    }
};

// Before `deadline`, with both times on the wrapping millisecond clock.
bool IsBefore(DWORD now, DWORD deadline) {
    return static_cast<LONG>(now - deadline) < 0;
}

}  // namespace

void CVandrelView::PresentFrameTo(CDC* pDC) {
    const CPoint origin(0, 0);
    const CSize sourceSize = m_dib.GetSize();
    m_dib.StretchBlt(pDC, &origin, &m_size, &origin, &sourceSize);
}

void CVandrelView::RunFrameBenchmark(int nFrames) {
    CWaitCursor wait;
    BenchmarkCanvas dc(this, m_pPalette);
    const DWORD t0 = timeGetTime();
    for (int i = 0; i < nFrames; ++i) {
        RenderFrame();
        PresentFrameTo(&dc);
        AdvancePhases();
    }
    const DWORD ms = timeGetTime() - t0;
    Report(vandrel::view::FrameBenchmarkText(nFrames, ms, m_size));
}

void CVandrelView::RunTimedBenchmark(int nSeconds) {
    CWaitCursor wait;
    BenchmarkCanvas dc(this, m_pPalette);
    const DWORD t0 = timeGetTime();
    const DWORD deadline = t0 + 1000U * static_cast<DWORD>(nSeconds);
    int count = 0;
    DWORD stop = 0;
    while (IsBefore(timeGetTime(), deadline)) {
        RenderFrame();
        if (!IsBefore(timeGetTime(), deadline)) {
            // The frame that crossed the deadline is neither shown nor counted.
            stop = timeGetTime();
            break;
        }
        PresentFrameTo(&dc);
        AdvancePhases();
        ++count;
    }
    if (stop == 0) {
        stop = timeGetTime();
    }
    Report(vandrel::view::TimedBenchmarkText(count, nSeconds, stop - t0, m_size));
}

void CVandrelView::OnBench100Frames() {
    RunFrameBenchmark(100);
}

void CVandrelView::OnBench1000Frames() {
    RunFrameBenchmark(1000);
}

void CVandrelView::OnBench1Second() {
    RunTimedBenchmark(1);
}

void CVandrelView::OnBench10Seconds() {
    RunTimedBenchmark(10);
}
