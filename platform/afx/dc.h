// The framework's device context objects. A CDC deletes the context it holds
// when destroyed; a CClientDC gets a window's client context and releases it.
#pragma once

#include <memory>
#include <vector>

#include "platform/afx/gdi_object.h"
#include "platform/afx/wnd.h"

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC);

public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                  const void* lpInitData);
    BOOL CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                  const void* lpInitData);
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL IsPrinting() const { return m_bPrinting; }

    int GetDeviceCaps(int nIndex) const;

    // The previously selected object comes back as a wrapper that this CDC
    // keeps until it is destroyed; the wrapper never deletes its handle.
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();
    CBrush* SelectObject(CBrush* pBrush);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);

    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(const RECT* lpRect);
    void FillRect(const RECT* lpRect, CBrush* pBrush);

    HDC m_hDC = nullptr;
    BOOL m_bPrinting = FALSE;

private:
    template <class Wrapper>
    Wrapper* Temporary(HGDIOBJ hObject);

    std::vector<std::unique_ptr<CGdiObject>> m_temporaries;
};

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC);

public:
    // A null window means the screen. Raises the resource exception when no
    // context can be had.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
