// The framework's window object, at its beginning: the window handle it
// stands for, and one permanent wrapper per handle for code that holds only
// a handle.
#pragma once

#include "platform/base/object.h"

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd);

public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The same object every time for the same handle, kept for the life of
    // the process; null for a null handle.
    static CWnd* FromHandle(HWND hWnd);

    HWND m_hWnd = nullptr;
};
