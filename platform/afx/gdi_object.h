// The framework's wrappers of graphics objects. A wrapper owns the handle
// attached to it and deletes it when destroyed; Detach hands it back.
#pragma once

#include "platform/base/object.h"
#include "platform/gdi/gdi.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject);

public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // FALSE, attaching nothing, for a null handle.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // FALSE when there was nothing to delete.
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class CPalette : public CGdiObject {
    DECLARE_DYNAMIC(CPalette);

public:
    BOOL CreatePalette(const LOGPALETTE* pLogPalette);
    UINT GetEntries(UINT nStartIndex, UINT nNumEntries, PALETTEENTRY* pPaletteColors) const;

    operator HPALETTE() const {  // NOLINT: the framework's conversion
        return reinterpret_cast<HPALETTE>(m_hObject);
    }
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush);

public:
    CBrush() = default;
    // Raises the resource exception when the brush cannot be made.
    explicit CBrush(COLORREF crColor);
    BOOL CreateSolidBrush(COLORREF crColor);

    operator HBRUSH() const {  // NOLINT: the framework's conversion
        return reinterpret_cast<HBRUSH>(m_hObject);
    }
};
