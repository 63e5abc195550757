// The background tunes: loaded from the program's own resources on first
// use, played looped from memory, paused and resumed with the main frame's
// activation.
#include "platform/afx/cmd_ui.h"
#include "platform/afx/wait_cursor.h"
#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/sound/play_sound.h"
#include "shell/vandrel_app.h"
#include "view/vandrel_view.h"

namespace {

constexpr int kTuneCount = 3;

void StopSound() {
    sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT);
}

}  // namespace

void CVandrelView::PlayTune(int nTune) {
    if (!g_bAppOK || nTune < 1 || nTune > kTuneCount) {
        return;
    }
    const int slot = nTune - 1;
    if (m_nCurTune != nTune || m_arrTuneData.GetAt(slot) == nullptr) {
        // The sound stops before any image is forgotten: it reads the image
        // while it plays.
        StopSound();
        for (int i = 0; i < kTuneCount; ++i) {
            m_arrTuneData.SetAt(i, nullptr);
            m_arrTuneRes.SetAt(i, nullptr);
        }
        m_nCurTune = -1;

        CWaitCursor wait;
        CString name;
        name.Format("RIFF%i", nTune);
        HMODULE module = AfxGetInstanceHandle();
        HRSRC found = FindResourceA(module, name, "WAVE");
        if (found == nullptr) {
            return;
        }
        HGLOBAL loaded = LoadResource(module, found);
        if (loaded == nullptr) {
            return;
        }
        void* image = LockResource(loaded);
        if (image == nullptr) {
            FreeResource(loaded);
            return;
        }
        m_arrTuneData.SetAt(slot, image);
        m_arrTuneRes.SetAt(slot, loaded);
    }
    // Whether the sound service could play it or not, the tune is current and
    // its item checked: no sound device means silence, nothing more.
    sndPlaySoundA(static_cast<LPCSTR>(m_arrTuneData.GetAt(slot)),
                  SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_LOOP);
    m_nCurTune = nTune;
}

void CVandrelView::PauseTune() {
    if (m_nCurTune != -1) {
        StopSound();
    }
}

void CVandrelView::ResumeTune() {
    PlayTune(m_nCurTune);
}

void CVandrelView::OnTune1() {
    PlayTune(1);
}

void CVandrelView::OnTune2() {
    PlayTune(2);
}

void CVandrelView::OnTune3() {
    PlayTune(3);
}

void CVandrelView::OnTune4() {
    PlayTune(4);
}

void CVandrelView::OnNoSound() {
    StopSound();
    m_nCurTune = -1;
}

void CVandrelView::OnNextTune() {
    int n = m_nCurTune + 1;
    if (n < 1 || n > kTuneCount) {
        n = 1;
    }
    PlayTune(n);
}

void CVandrelView::OnUpdateTune1(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nCurTune == 1);
}

void CVandrelView::OnUpdateTune2(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nCurTune == 2);
}

void CVandrelView::OnUpdateTune3(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nCurTune == 3);
}

void CVandrelView::OnUpdateTune4(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nCurTune == 4);
}

void CVandrelView::OnUpdateNoSound(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nCurTune == -1);
}
