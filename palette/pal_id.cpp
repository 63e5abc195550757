#include "palette/pal_id.h"

#include "platform/base/exceptions.h"

IMPLEMENT_DYNAMIC(CPalId, CPalette)

CPalId::CPalId() : m_bCreated(FALSE) {}

// The GDI palette goes with CGdiObject's destructor.
CPalId::~CPalId() = default;

void CPalId::Create(const BYTE* pRGB, BOOL bIdentity) {
    CreateFromRGB(pRGB, bIdentity);
}

void CPalId::Create(const RGBQUAD* pQuads, BOOL bIdentity) {
    CreateFromRGBQuad(pQuads, bIdentity);
}

void CPalId::Create(const RGBTRIPLE* pTriples, BOOL bIdentity) {
    CreateFromRGBTriple(pTriples, bIdentity);
}

void CPalId::Create(CString strFileName, int nFileType, BOOL bIdentity) {
    CreateFromFile(strFileName, nFileType, bIdentity);
}

void CPalId::Create(BOOL bIdentity) {
    CreateFromSystem(bIdentity);
}

BOOL CPalId::DeletePalette() {
    const BOOL bDeleted = DeleteObject();
    m_bCreated = FALSE;
    return bDeleted;
}

BOOL CPalId::Delete() {
    return DeletePalette();
}

void CPalId::GetColorTable(RGBQUAD* pQuads) {
    if (!IsReady()) {
        return;
    }
    PALETTEENTRY entries[256];
    if (GetEntries(0, 256, entries) != 256) {
        return;
    }
    for (int i = 0; i < 256; ++i) {
        pQuads[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    }
}

BOOL CPalId::IsCreated() {
    return m_bCreated;
}

BOOL CPalId::IsValid() {
    return m_bCreated;
}

BOOL CPalId::IsReady() {
    return IsCreated();
}

void CPalId::ThrowMemoryError() {
    AfxThrowMemoryException();
}

void CPalId::ThrowResourceError() {
    AfxThrowResourceException();
}
