#include "platform/afx/dc.h"

#include <typeinfo>

#include "platform/base/exceptions.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CClientDC, CDC)

CDC::~CDC() {
    for (const auto& temporary : m_temporaries) {
        temporary->Detach();
    }
    DeleteDC();
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr) {
        return FALSE;
    }
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData) {
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData) {
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) {
        return FALSE;
    }
    return ::DeleteDC(Detach());
}

int CDC::GetDeviceCaps(int nIndex) const {
    return ::GetDeviceCaps(m_hDC, nIndex);
}

template <class Wrapper>
Wrapper* CDC::Temporary(HGDIOBJ hObject) {
    if (hObject == nullptr) {
        return nullptr;
    }
    // One wrapper per handle and type, so selecting back and forth in a loop
    // does not pile up wrappers.
    for (const auto& temporary : m_temporaries) {
        CGdiObject& wrapper = *temporary;
        if (typeid(wrapper) == typeid(Wrapper) && wrapper.m_hObject == hObject) {
            return static_cast<Wrapper*>(&wrapper);
        }
    }
    auto wrapper = std::make_unique<Wrapper>();
    wrapper->Attach(hObject);
    Wrapper* result = wrapper.get();
    m_temporaries.push_back(std::move(wrapper));
    return result;
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hPalette = pPalette != nullptr ? static_cast<HPALETTE>(*pPalette) : nullptr;
    HPALETTE hPrevious = ::SelectPalette(m_hDC, hPalette, bForceBackground);
    return Temporary<CPalette>(reinterpret_cast<HGDIOBJ>(hPrevious));
}

UINT CDC::RealizePalette() {
    return ::RealizePalette(m_hDC);
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    HBRUSH hBrush = pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr;
    return Temporary<CBrush>(reinterpret_cast<HGDIOBJ>(::SelectObject(m_hDC, hBrush)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    HGDIOBJ hObject = pObject != nullptr ? pObject->m_hObject : nullptr;
    return Temporary<CGdiObject>(::SelectObject(m_hDC, hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return Temporary<CGdiObject>(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(const RECT* lpRect) {
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CDC::FillRect(const RECT* lpRect, CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr) {
    if (!Attach(::GetDC(m_hWnd))) {
        AfxThrowResourceException();
    }
}

CClientDC::~CClientDC() {
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, Detach());
    }
}
