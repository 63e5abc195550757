// The framework's window object: owns one window of the window system, gets
// its messages through the message map, and wraps the window calls.
#pragma once

#include "platform/afx/cmd_target.h"
#include "platform/base/geometry.h"
#include "platform/user/window_api.h"

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd);

public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The framework object of one of the program's windows; for any other
    // handle (the desktop, a window of the graphics layer's tests) a wrapper
    // kept for the life of the process. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Creates the window: PreCreateWindow may change `cs` first.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, HMENU hMenu, LPVOID lpParam);
    // A child window with id `nID`.
    BOOL Create(LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_COMMAND: runs the command through OnCmdMsg; a menu or key command
    // whose update handler disabled it is dropped.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Window calls on this window.
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE);
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    // The nearest frame window above this one.
    class CFrameWnd* GetParentFrame() const;
    CWnd* GetDescendantWindow(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

protected:
    // What the window is on screen; frames unless it is a child.
    virtual vandrel::user::WindowKind KindOfWindow(const CREATESTRUCT& cs) const;
    // Called after the window's last message; frames and views delete
    // themselves here.
    virtual void PostNcDestroy() {}

private:
    // Dialogs are made by the window system from their templates, with
    // this object's procedure.
    friend class CDialog;

    LRESULT Receive(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void FinishNcDestroy();
};
