#include "platform/afx/wnd.h"

#include <memory>
#include <unordered_map>

#include "platform/afx/afx_message_box.h"
#include "platform/afx/cmd_ui.h"
#include "platform/afx/frame_wnd.h"
#include "platform/afx/win_app.h"
#include "platform/base/instance.h"
#include "platform/user/menu_api.h"
#include "platform/user/message_api.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

std::unordered_map<HWND, CWnd*>& Permanent() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

}  // namespace

CWnd* vandrel::afx::WindowFromHandle(HWND window) {
    return CWnd::FromHandle(window);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (const auto it = Permanent().find(hWnd); it != Permanent().end()) {
        return it->second;
    }
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> foreign;
    std::unique_ptr<CWnd>& wrapper = foreign[hWnd];
    if (!wrapper) {
        wrapper = std::make_unique<CWnd>();
        wrapper->m_hWnd = hWnd;
    }
    return wrapper.get();
}

CWnd::~CWnd() {
    // Only the object that owns a window takes it down; wrappers of other
    // handles leave them alone.
    const auto it = Permanent().find(m_hWnd);
    if (it != Permanent().end() && it->second == this) {
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& /*cs*/) {
    return TRUE;
}

vandrel::user::WindowKind CWnd::KindOfWindow(const CREATESTRUCT& cs) const {
    return (cs.style & WS_CHILD) != 0 ? vandrel::user::WindowKind::Painted
                                      : vandrel::user::WindowKind::Frame;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, HMENU hMenu, LPVOID lpParam) {
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    if (rect.left == CW_USEDEFAULT) {
        // The window system's choice of place and size.
        cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    } else {
        cs.x = rect.left;
        cs.y = rect.top;
        cs.cx = rect.right - rect.left;
        cs.cy = rect.bottom - rect.top;
    }
    cs.hwndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = (dwStyle & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(nID))
                                         : hMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        if ((dwStyle & WS_CHILD) == 0 && hMenu != nullptr) {
            DestroyMenu(hMenu);
        }
        PostNcDestroy();
        return FALSE;
    }
    // A failed creation may delete this object (PostNcDestroy), so nothing
    // here touches it afterwards.
    const HWND created = vandrel::user::CreateWindowObject(
        cs, KindOfWindow(cs), [this](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
            return Receive(hWnd, message, wParam, lParam);
        });
    return created != nullptr ? TRUE : FALSE;
}

BOOL CWnd::Create(LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, LPVOID lpParam) {
    return CreateEx(0, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, nullptr, lpParam);
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::Receive(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr && message == WM_CREATE) {
        m_hWnd = hWnd;
        Permanent()[hWnd] = this;
    }
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (const CException& e) {
        // Nothing may unwind into the window system. The program catches what
        // it expects itself; anything else is reported here.
        if (CWinApp* app = AfxGetApp()) {
            result = app->ProcessWndProcException(e, message);
        }
        if (message == WM_PAINT) {
            ::ValidateRect(hWnd, nullptr);
        }
    }
    if (message == WM_NCDESTROY) {
        FinishNcDestroy();
    }
    return result;
}

void CWnd::FinishNcDestroy() {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        // The main window is gone: the program's loop is to end.
        ::PostQuitMessage(0);
        app->m_pMainWnd = nullptr;
    }
    Permanent().erase(m_hWnd);
    m_hWnd = nullptr;
    PostNcDestroy();
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    const vandrel::afx::MessageMapEntry* entry = FindMessageEntry(message);
    if (entry == nullptr) {
        return FALSE;
    }
    *pResult = entry->invoke(*this, wParam, lParam, nullptr);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    if (nID == 0) {
        return FALSE;
    }
    if (lParam == 0) {
        // From a menu or a key: make sure the command has not been disabled
        // since the item was last updated.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled) {
            return TRUE;
        }
    }
    return OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) {
    for (HWND child : vandrel::user::ChildWindows(m_hWnd)) {
        ::SendMessageA(child, message, wParam, lParam);
        if (bDeep) {
            if (CWnd* wrapper = FromHandle(child)) {
                wrapper->SendMessageToDescendants(message, wParam, lParam, TRUE);
            }
        }
    }
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* parent = GetParent(); parent != nullptr; parent = parent->GetParent()) {
        if (parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
            return static_cast<CFrameWnd*>(parent);
        }
    }
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID) const {
    for (HWND child : vandrel::user::ChildWindows(m_hWnd)) {
        CWnd* wrapper = FromHandle(child);
        if (wrapper == nullptr) {
            continue;
        }
        if (::GetDlgCtrlID(child) == nID) {
            return wrapper;
        }
        if (CWnd* deeper = wrapper->GetDescendantWindow(nID)) {
            return deeper;
        }
    }
    return nullptr;
}
