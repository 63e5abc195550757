#include "platform/afx/frame_wnd.h"

#include "platform/afx/cmd_ui.h"
#include "platform/afx/control_bar.h"
#include "platform/afx/document.h"
#include "platform/afx/status_bar.h"
#include "platform/afx/view.h"
#include "platform/afx/win_app.h"
#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/accelerator_api.h"
#include "platform/user/dib_image.h"
#include "platform/user/menu_api.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnMessage;

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const MessageMap* CFrameWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnMessage<WM_CREATE, &CFrameWnd::OnCreate>(),
        OnMessage<WM_SIZE, &CFrameWnd::OnSize>(),
        OnMessage<WM_CLOSE, &CFrameWnd::OnClose>(),
        OnMessage<WM_INITMENUPOPUP, &CFrameWnd::OnInitMenuPopup>(),
        OnMessage<WM_MENUSELECT, &CFrameWnd::OnMenuSelect>(),
        OnMessage<WM_PALETTECHANGED, &CFrameWnd::OnPaletteChanged>(),
        OnMessage<WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString>(),
        OnMessage<WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI>(),
    };
    static const MessageMap map{CWnd::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CFrameWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    CString full;
    if (full.LoadString(nIDResource)) {
        const int end = full.Find('\n');
        m_strTitle = end < 0 ? full : full.Left(end);
    }
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(nIDResource));
    const HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(nIDResource));
    const RECT rectDefault{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    // The window owns the menu from here on, and takes it along if it fails.
    if (!CreateEx(0, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, 0, menu, pContext)) {
        return FALSE;  // this object is gone with its window
    }
    m_hAccelTable = accelerators;
    LoadIconFromResource(nIDResource);
    return TRUE;
}

void CFrameWnd::LoadIconFromResource(UINT nIDResource) {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(nIDResource), RT_ICON);
    vandrel::user::Image32 icon;
    if (resource != nullptr &&
        vandrel::user::DecodeIconImage(LockResource(LoadResource(instance, resource)),
                                       SizeofResource(instance, resource), &icon)) {
        vandrel::user::SetFrameIcon(m_hWnd, icon.width, icon.height, icon.pixels.data());
    }
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (!OnCreateClient(lpCreateStruct, context)) {
        return -1;
    }
    RecalcLayout();
    // The message pane starts with the idle text once the loop runs.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT /*lpcs*/, CCreateContext* pContext) {
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) {
        return CreateView(pContext) != nullptr ? TRUE : FALSE;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    CObject* created = pContext->m_pNewViewClass->CreateObject();
    if (created == nullptr) {
        return nullptr;
    }
    auto* view = static_cast<CWnd*>(created);
    // A view that fails to create deletes itself with its window.
    if (!view->Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 0, 0}, this, nID, pContext)) {
        return nullptr;
    }
    return view;
}

void CFrameWnd::SetActiveView(CView* pViewNew) {
    m_pViewActive = pViewNew;
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* /*pDoc*/, BOOL bMakeVisible) {
    if (m_pViewActive == nullptr) {
        if (CWnd* pane = GetDescendantWindow(AFX_IDW_PANE_FIRST)) {
            if (pane->IsKindOf(RUNTIME_CLASS(CView))) {
                SetActiveView(static_cast<CView*>(pane));
            }
        }
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    if (bMakeVisible) {
        int nCmdShow = -1;
        CWinApp* app = AfxGetApp();
        if (app != nullptr && app->m_pMainWnd == this) {
            // The first main window takes the program's show command.
            nCmdShow = app->m_nCmdShow;
            app->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
}

void CFrameWnd::RecalcLayout() {
    CRect client;
    GetClientRect(&client);
    CWnd* pane = nullptr;
    for (HWND child : vandrel::user::ChildWindows(m_hWnd)) {
        CWnd* wrapper = FromHandle(child);
        if (wrapper == nullptr) {
            continue;
        }
        if (wrapper->GetDlgCtrlID() == static_cast<int>(AFX_IDW_PANE_FIRST)) {
            pane = wrapper;
            continue;
        }
        auto* bar = dynamic_cast<CControlBar*>(wrapper);
        if (bar == nullptr || !bar->IsWindowVisible()) {
            continue;
        }
        const int height = bar->CalcFixedHeight();
        if ((bar->GetBarStyle() & CBRS_ALIGN_BOTTOM) != 0) {
            bar->MoveWindow(client.left, client.bottom - height, client.Width(), height);
            client.bottom -= height;
        } else {
            bar->MoveWindow(client.left, client.top, client.Width(), height);
            client.top += height;
        }
    }
    if (pane != nullptr) {
        pane->MoveWindow(client.left, client.top, client.Width(), client.Height());
    }
}

void CFrameWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
    RecalcLayout();
}

void CFrameWnd::OnClose() {
    CWinApp* app = AfxGetApp();
    CDocument* document = GetActiveDocument();
    if (app != nullptr && app->m_pMainWnd == this && document != nullptr) {
        // Closing the document closes its frames, this one among them.
        document->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnInitMenuPopup(HMENU hPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu) {
        return;
    }
    CCmdUI state;
    state.m_pMenu = hPopupMenu;
    state.m_nIndexMax = static_cast<UINT>(GetMenuItemCount(hPopupMenu));
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = GetMenuItemID(hPopupMenu, static_cast<int>(state.m_nIndex));
        state.DoUpdate(this, m_bAutoMenuEnable);
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
    } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)) != 0) {
        m_nIDTracking = 0;
    } else {
        m_nIDTracking = nItemID;
    }
    if (m_nIDTracking != m_nIDLastMessage) {
        SetMessageText(m_nIDTracking);
    }
}

void CFrameWnd::OnPaletteChanged(CWnd* pFocusWnd) {
    // Every window inside may have a palette to realise again.
    SendMessageToDescendants(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(pFocusWnd->GetSafeHwnd()),
                             0, TRUE);
}

void CFrameWnd::SetMessageText(UINT nID) {
    SendMessage(WM_SETMESSAGESTRING, nID);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    const UINT nIDLast = m_nIDLastMessage;
    auto* bar = dynamic_cast<CStatusBar*>(GetDescendantWindow(AFX_IDW_STATUS_BAR));
    if (bar != nullptr) {
        CString message;
        if (lParam != 0) {
            message = reinterpret_cast<LPCSTR>(lParam);
        } else if (wParam != 0 && message.LoadString(static_cast<UINT>(wParam))) {
            // A command's string is its prompt, then its tooltip.
            const int end = message.Find('\n');
            if (end >= 0) {
                message = message.Left(end);
            }
        }
        bar->SetPaneText(0, message);
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    return nIDLast;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (m_nIDTracking != m_nIDLastMessage) {
        SetMessageText(m_nIDTracking);
    }
    return 0;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg) != 0) {
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ? TRUE : FALSE;
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}
