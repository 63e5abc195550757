#include "tests/soak/soak_driver.h"

#include <cstdio>

#include "platform/afx/frame_wnd.h"
#include "platform/afx/win_app.h"
#include "res/resource.h"
#include "shell/vandrel_app.h"
#include "view/frame_rate.h"

namespace vandrel::soak {
namespace {

// Often enough that a growth shows within a few hundred frames of its cause,
// rarely enough that reading /proc costs the run nothing to speak of.
constexpr long kSampleEvery = 16;
constexpr long kReportEvery = 20000;

double MiB(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

SoakDriver::SoakDriver(long frames, long baselineFrame)
    : m_target(frames), m_baselineFrame(baselineFrame) {}

void SoakDriver::BeforeStep() {
    auto* frame = static_cast<CFrameWnd*>(AfxGetMainWnd());
    if (!g_bAppOK || frame == nullptr || frame->GetActiveView() == nullptr) {
        // The loop steps nothing now; the program is on its way out.
        if (m_failure.empty()) {
            m_failure = "the program stopped stepping frames";
        }
        return;
    }
    // m_frames frames have been stepped; every one of them rendered, and
    // presented when its paint came round.
    if (m_frames == m_baselineFrame || m_frames % kSampleEvery == 0) {
        SampleMemory(m_frames == m_baselineFrame);
    }
    if (m_frames % kReportEvery == 0 && m_frames > 0) {
        Report();
    }
    if (m_frames == m_rotation.NextFrame()) {
        SendChange();
    }
    ++m_frames;
    if (m_frames == m_target && !m_exitSent) {
        SampleMemory(false);
        frame->PostMessage(WM_COMMAND, ID_APP_EXIT, 0);
        m_exitSent = true;
    }
}

void SoakDriver::SampleMemory(bool baseline) {
    const std::size_t resident = ResidentBytes();
    const auto heap = LiveHeapBytes();
    if (baseline) {
        m_resident.SetBaseline(resident);
        if (heap) {
            m_liveHeap.SetBaseline(*heap);
        }
        return;
    }
    m_resident.Sample(resident);
    if (heap) {
        m_liveHeap.Sample(*heap);
    }
}

void SoakDriver::SendChange() {
    CWnd* frame = AfxGetMainWnd();
    for (const UINT command : m_rotation.Take().Commands()) {
        frame->PostMessage(WM_COMMAND, command, 0);
        ++m_commands;
    }
}

double SoakDriver::ElapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
}

void SoakDriver::Report() const {
    std::printf("  frame %7ld  %6.1f s  RSS %7.2f MiB", m_frames, ElapsedSeconds(),
                MiB(m_resident.Last()));
    if (LiveHeapBytes()) {
        std::printf("  live heap %6.2f MiB", MiB(m_liveHeap.Last()));
    }
    std::printf("  %s\n", static_cast<const char*>(vandrel::view::FrameRateText()));
    std::fflush(stdout);
}

}  // namespace vandrel::soak
