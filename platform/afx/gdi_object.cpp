#include "platform/afx/gdi_object.h"

#include "platform/base/exceptions.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CGdiObject::~CGdiObject() {
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == nullptr) {
        return FALSE;
    }
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

BOOL CPalette::CreatePalette(const LOGPALETTE* pLogPalette) {
    return Attach(reinterpret_cast<HGDIOBJ>(::CreatePalette(pLogPalette)));
}

UINT CPalette::GetEntries(UINT nStartIndex, UINT nNumEntries, PALETTEENTRY* pPaletteColors) const {
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, pPaletteColors);
}

CBrush::CBrush(COLORREF crColor) {
    if (!CreateSolidBrush(crColor)) {
        AfxThrowResourceException();
    }
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Attach(reinterpret_cast<HGDIOBJ>(::CreateSolidBrush(crColor)));
}
