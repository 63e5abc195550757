// CVandrelView: the program's only view. It owns everything the wave effect
// needs (the off-screen surface, the picture's identity palette, the wave
// table and the animation state), the display modes, the picture and tune
// choices, and the benchmarks.
#pragma once

#include <cstdint>

#include "engine/wave_presets.h"
#include "palette/pal_id.h"
#include "platform/afx/ptr_array.h"
#include "platform/afx/view.h"
#include "surface/dibg.h"

class CCmdUI;

class CVandrelView : public CView {
    DECLARE_DYNCREATE(CVandrelView);

public:
    CVandrelView();
    ~CVandrelView() override;

    // One animation step, called by the loop whenever the queue is empty.
    void StepFrame();
    // The main frame lost or regained activation.
    void PauseTune();
    void ResumeTune();
    // Frames are driven by the message loop.
    void OnDrivePeekMessage();

    void BuildWaveTable();
    void RenderFrame();
    void SelectBitmap(int nBitmap);
    void ClearView();
    void LayoutView();
    void PlayTune(int nTune);
    void RunFrameBenchmark(int nFrames);
    void RunTimedBenchmark(int nSeconds);

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

    // The wave's half period in table entries and the right shift that sets
    // its amplitude; shared by every view.
    static float s_fHalfPeriod;
    static int s_nWaveShift;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDraw(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy);

    void OnDisplayNormal();
    void OnDisplayDoubled();
    void OnDisplayWindow();
    void OnUpdateDisplayNormal(CCmdUI* pCmdUI);
    void OnUpdateDisplayDoubled(CCmdUI* pCmdUI);
    void OnUpdateDisplayWindow(CCmdUI* pCmdUI);

    void OnZorbleSubtle();
    void OnZorbleRipples();
    void OnZorbleWavy();
    void OnZorbleTyphoon();
    void OnZorbleRandom();
    void OnUpdateZorbleSubtle(CCmdUI* pCmdUI);
    void OnUpdateZorbleRipples(CCmdUI* pCmdUI);
    void OnUpdateZorbleWavy(CCmdUI* pCmdUI);
    void OnUpdateZorbleTyphoon(CCmdUI* pCmdUI);
    void OnUpdateZorbleRandom(CCmdUI* pCmdUI);

    void OnDriveTimer();
    void OnUpdateDriveTimer(CCmdUI* pCmdUI);
    void OnUpdateDrivePeekMessage(CCmdUI* pCmdUI);
    void OnFrameRate();
    void OnUpdateFrameRate(CCmdUI* pCmdUI);

    void OnBench100Frames();
    void OnBench1000Frames();
    void OnBench1Second();
    void OnBench10Seconds();

    void OnFileBitmap1();
    void OnFileBitmap2();
    void OnFileBitmap3();
    void OnFileBitmap4();
    void OnUpdateFileBitmap1(CCmdUI* pCmdUI);
    void OnUpdateFileBitmap2(CCmdUI* pCmdUI);
    void OnUpdateFileBitmap3(CCmdUI* pCmdUI);
    void OnUpdateFileBitmap4(CCmdUI* pCmdUI);
    void OnFileNextBitmap();
    void OnHiddenTavik();
    void OnHiddenMorlo();

    void OnTune1();
    void OnTune2();
    void OnTune3();
    void OnTune4();
    void OnNoSound();
    void OnNextTune();
    void OnUpdateTune1(CCmdUI* pCmdUI);
    void OnUpdateTune2(CCmdUI* pCmdUI);
    void OnUpdateTune3(CCmdUI* pCmdUI);
    void OnUpdateTune4(CCmdUI* pCmdUI);
    void OnUpdateNoSound(CCmdUI* pCmdUI);

    CDibG m_dib;
    CPalId* m_pPalette;
    int m_nWave[256];
    std::uint32_t m_nColPhase;
    std::uint32_t m_nRowPhase;
    int m_nColStep;
    int m_nRowStep;
    CSize m_size;
    int m_nPreset;
    int m_nDisplayMode;
    int m_nBitmap;
    BOOL m_bTimerDrive;
    CPtrArray m_arrTuneData;
    CPtrArray m_arrTuneRes;
    int m_nCurTune;

private:
    // Sets the four wave numbers and the checked preset at once, as every
    // preset command does.
    void ApplyPreset(const vandrel::engine::WaveParams& params);
    // One benchmark frame: render, present to `pDC`, advance the phases.
    void PresentFrameTo(CDC* pDC);
    void AdvancePhases();
};

// The display modes kept in m_nDisplayMode.
inline constexpr int kDisplayNormal = 0;
inline constexpr int kDisplayDoubled = 1;
inline constexpr int kDisplayWindow = 3;
