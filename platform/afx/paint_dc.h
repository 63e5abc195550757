// The paint context of a window, for the length of one WM_PAINT.
#pragma once

#include "platform/afx/dc.h"

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC);

public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
