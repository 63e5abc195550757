#include "shell/main_frame.h"

#include <algorithm>
#include <iterator>

#include "platform/gdi/gdi.h"
#include "res/resource.h"
#include "shell/remote_commands.h"
#include "shell/vandrel_app.h"
#include "view/vandrel_view.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnMessage;

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace {

// The toolbar's buttons: five groups, two separators between groups.
const UINT kButtons[] = {
    ID_APP_EXIT,        ID_SEPARATOR,      ID_SEPARATOR,     ID_DISPLAY_NORMAL, ID_DISPLAY_DOUBLED,
    ID_DISPLAY_WINDOW,  ID_SEPARATOR,      ID_SEPARATOR,     ID_ZORBLE_SUBTLE,  ID_ZORBLE_RIPPLES,
    ID_ZORBLE_WAVY,     ID_ZORBLE_TYPHOON, ID_ZORBLE_RANDOM, ID_SEPARATOR,      ID_SEPARATOR,
    ID_FILE_NEXTBITMAP, ID_AUDIO_NEXTTUNE, ID_SEPARATOR,     ID_SEPARATOR,      ID_APP_ABOUT,
    ID_HELP_ABOUTMAKER, ID_HELP_QUICKHELP,
};

const UINT kIndicators[] = {
    ID_SEPARATOR,
    ID_INDICATOR_FPS,
};

// One more than the height of a bar's window rectangle, when it shows.
int BarHeight(const CWnd& bar) {
    if (bar.GetSafeHwnd() == nullptr || !bar.IsWindowVisible()) {
        return 0;
    }
    CRect rect;
    bar.GetWindowRect(&rect);
    return rect.bottom - rect.top + 1;
}

}  // namespace

const MessageMap* CMainFrame::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnMessage<WM_ERASEBKGND, &CMainFrame::OnEraseBkgnd>(),
        OnMessage<WM_CREATE, &CMainFrame::OnCreate>(),
        OnMessage<WM_ACTIVATE, &CMainFrame::OnActivate>(),
    };
    static const MessageMap map{CFrameWnd::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CMainFrame::GetMessageMap() const {
    return GetThisMessageMap();
}

CMainFrame::~CMainFrame() {
    // The commands offered on the session bus are posted to this frame.
    StopRemoteCommands();
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    const int nScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int nScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    int nWidth = 600;
    int nHeight = 400;
    if (nScreenWidth > 640) {
        nWidth = 720;
        nHeight = nScreenWidth > 800 ? 640 : 530;
    }
    nHeight += GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    cs.cx = std::min(nScreenWidth - 8, nWidth);
    cs.cy = std::min(nScreenHeight - 8, nHeight);
    // Exactly the overlapped style: the caption stays the template's title.
    cs.style = static_cast<LONG>(WS_OVERLAPPEDWINDOW);
    return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR)) {
        return -1;
    }
    m_wndToolBar.SetSizes(CSize(39, 39), CSize(32, 32));
    if (!m_wndToolBar.LoadBitmap(IDR_MAINFRAME) ||
        !m_wndToolBar.SetButtons(kButtons, static_cast<int>(std::size(kButtons)))) {
        return -1;
    }
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)))) {
        return -1;
    }
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    return 0;
}

BOOL CMainFrame::OnEraseBkgnd(CDC* pDC) {
    CGdiObject* pOldBrush = nullptr;
    if (::GetStockObject(LTGRAY_BRUSH) != nullptr) {
        pOldBrush = pDC->SelectStockObject(LTGRAY_BRUSH);
    }
    CGdiObject* pOldPen = nullptr;
    if (::GetStockObject(NULL_PEN) != nullptr) {
        pOldPen = pDC->SelectStockObject(NULL_PEN);
    }
    // With no pen, a rectangle one pixel larger all round fills the whole
    // client area and draws no outline.
    CRect rect;
    GetClientRect(&rect);
    rect.InflateRect(1, 1);
    pDC->Rectangle(&rect);
    if (pOldBrush != nullptr) {
        pDC->SelectObject(pOldBrush);
    }
    if (pOldPen != nullptr) {
        pDC->SelectObject(pOldPen);
    }
    return TRUE;
}

void CMainFrame::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) {
    if (!g_bAppOK) {
        return;
    }
    auto* view = static_cast<CVandrelView*>(GetActiveView());
    if (view == nullptr) {
        return;
    }
    if (nState == WA_INACTIVE) {
        view->PauseTune();
    } else {
        view->ResumeTune();
    }
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    try {
        return CFrameWnd::OnCommand(wParam, lParam);
    } catch (CException& e) {
        g_bAppOK = FALSE;
        if (auto* app = static_cast<CVandrelApp*>(AfxGetApp())) {
            app->ReportException(&e);
        }
        PostMessage(WM_COMMAND, ID_APP_EXIT, 0);
        return FALSE;
    }
}

int CMainFrame::GetToolBarHeight() const {
    return BarHeight(m_wndToolBar);
}

int CMainFrame::GetStatusBarHeight() const {
    return BarHeight(m_wndStatusBar);
}
