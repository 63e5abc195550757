// The view's construction, creation, drawing, sizing and destruction: where
// it reads its settings, starts the WinG binding and counts the runs.
#include <cstdlib>

#include "engine/render_state.h"
#include "platform/afx/afx_message_box.h"
#include "platform/afx/dc.h"
#include "platform/base/clock.h"
#include "platform/base/global_memory.h"
#include "platform/kernel/profile.h"
#include "platform/sound/play_sound.h"
#include "platform/user/window_api.h"
#include "res/resource.h"
#include "shell/vandrel_app.h"
#include "view/frame_rate.h"
#include "view/vandrel_view.h"

IMPLEMENT_DYNCREATE(CVandrelView, CView)

namespace {

constexpr const char* kSettingsFile = "KORVANTH.INI";
constexpr int kSourceBytes = 256 * 256;

// The settings read at creation.
int g_bDoNotUseWinG = 0;
int g_nNumRuns = 0;
// The run counter is written back only when it was read: a view whose
// creation failed before that must not overwrite the real count with 1.
bool g_bNumRunsRead = false;

}  // namespace

CVandrelView::CVandrelView()
    : m_pPalette(nullptr),
      m_nWave{},
      m_nColPhase(0),
      m_nRowPhase(0),
      m_nColStep(7),
      m_nRowStep(7),
      m_nPreset(2),
      m_nBitmap(-1),
      m_bTimerDrive(FALSE),
      m_nCurTune(-1) {
    std::srand(timeGetTime());
    if (GetSystemMetrics(SM_CXSCREEN) > 640) {
        m_nDisplayMode = kDisplayDoubled;
        m_size = CSize(512, 512);
    } else {
        m_nDisplayMode = kDisplayNormal;
        m_size = CSize(256, 256);
    }
    for (int i = 0; i < 3; ++i) {
        m_arrTuneData.SetAtGrow(i, nullptr);
        m_arrTuneRes.SetAtGrow(i, nullptr);
    }
    // A failure leaves the buffer null; creation then reports it as the
    // memory shortage it is, where such failures are caught.
    g_pSourceBits = static_cast<BYTE*>(GlobalLock(GlobalAlloc(GMEM_MOVEABLE, kSourceBytes)));
    ApplyPreset(vandrel::engine::kWavyPreset);
}

int CVandrelView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    try {
        if (CView::OnCreate(lpCreateStruct) == -1) {
            return -1;
        }
        g_bDoNotUseWinG =
            static_cast<int>(GetPrivateProfileIntA("WinG", "Do Not Use", 0, kSettingsFile));
        g_nNumRuns =
            static_cast<int>(GetPrivateProfileIntA("Vandrel", "Num Runs", 0, kSettingsFile));
        g_bNumRunsRead = true;
        if (g_pSourceBits == nullptr) {
            AfxThrowMemoryException();
        }

        CString profileMessage;
        profileMessage.LoadString(IDS_PROFILING_VIDEO);
        // Surfaces are always top-down with WinG: the renderer writes rows
        // in memory order and the component copies them that way.
        CDibG::InitWinG(profileMessage, g_bDoNotUseWinG, CDibG::kTopDown);
        if (!CDibG::s_bWinG) {
            m_nDisplayMode = kDisplayNormal;
            m_size = CSize(256, 256);
            if (g_nNumRuns == 0 && g_bDoNotUseWinG == 0) {
                AfxMessageBox(IDS_NO_WING, MB_ICONINFORMATION);
            }
        }
        OnDrivePeekMessage();
        BuildWaveTable();
        SelectBitmap(1);
        m_nCurTune = 1;  // starts playing when the main frame is activated
        RenderFrame();
        return 0;
    } catch (CException& e) {
        g_bAppOK = FALSE;
        if (auto* app = static_cast<CVandrelApp*>(AfxGetApp())) {
            app->ReportException(&e);
        }
        return -1;
    }
}

void CVandrelView::OnDraw(CDC* pDC) {
    if (!g_bAppOK) {
        return;
    }
    if (m_pPalette != nullptr) {
        pDC->SelectPalette(m_pPalette, FALSE);
        pDC->RealizePalette();
    }
    const CPoint origin(0, 0);
    const CSize sourceSize = m_dib.GetSize();
    m_dib.StretchBlt(pDC, &origin, &m_size, &origin, &sourceSize);
}

void CVandrelView::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
    LayoutView();
    vandrel::view::RestartFrameRate();
}

CVandrelView::~CVandrelView() {
    sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT);
    m_nCurTune = -1;
    if (g_pSourceBits != nullptr) {
        HGLOBAL block = GlobalHandle(g_pSourceBits);
        GlobalUnlock(block);
        GlobalFree(block);
        g_pSourceBits = nullptr;
    }
    delete m_pPalette;
    m_pPalette = nullptr;
    m_dib.Destroy();
    CDibG::ExitWinG();
    for (int i = 0; i < 3; ++i) {
        m_arrTuneData.SetAt(i, nullptr);
        m_arrTuneRes.SetAt(i, nullptr);
    }
    if (g_bNumRunsRead) {
        CString count;
        count.Format("%d", g_nNumRuns + 1);
        // A run that cannot be counted is not worth disturbing the exit for.
        WritePrivateProfileStringA("Vandrel", "Num Runs", count, kSettingsFile);
    }
}
