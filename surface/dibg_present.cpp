// Presenting a surface: through WinG from the shared WinG context, or
// through StretchDIBits. Source coordinates always count from the top of the
// picture; GDI counts a bottom-up DIB's rows from the bottom, so its source y
// is turned round here.
#include "platform/afx/dc.h"
#include "platform/gdi/gdi.h"
#include "surface/dibg.h"

namespace {

HDC OutputOf(CDC* pDC) {
    return pDC != nullptr ? pDC->m_hDC : nullptr;
}

}  // namespace

int CDibG::Draw(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc, int cxSrc,
                int cySrc) {
    return Render(pDC, xDst, yDst, cxDst, cyDst, xSrc, ySrc, cxSrc, cySrc);
}

int CDibG::Draw(CDC* pDC, const CRect* destination, const CRect* source) {
    return Draw(pDC, destination->left, destination->top, destination->Width(),
                destination->Height(), source->left, source->top, source->Width(),
                source->Height());
}

int CDibG::Draw(CDC* pDC, const CRect* destination) {
    const CRect whole(0, 0, GetWidth(), GetHeight());
    return Draw(pDC, destination, &whole);
}

int CDibG::Draw(CDC* pDC, int x, int y) {
    const int width = GetWidth();
    const int height = GetHeight();
    return Draw(pDC, x, y, width, height, 0, 0, width, height);
}

int CDibG::Draw(CDC* pDC, const CPoint& point) {
    return Draw(pDC, point.x, point.y);
}

int CDibG::Render(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc, int cxSrc,
                  int cySrc) {
    HDC hdc = OutputOf(pDC);
    if (!s_bWinG) {
        return StretchDIBits(hdc, xDst, yDst, cxDst, cyDst, xSrc, GetHeight() - ySrc - cySrc, cxSrc,
                             cySrc, m_pBits, &m_bmi, s_nColorUse, SRCCOPY);
    }
    // WinG draws to screens only; a printer gets the DIB itself.
    if (pDC != nullptr && pDC->m_bPrinting) {
        return RenderDIB(pDC, xDst, yDst, cxDst, cyDst, xSrc, ySrc, cxSrc, cySrc);
    }
    SelectIntoWinGDC();
    // The unscaled copy is the cheaper one, but only when nothing moves.
    if (xDst == xSrc && yDst == ySrc && cxDst == cxSrc && cyDst == cySrc) {
        return s_pfnWinGBitBlt(hdc, xDst, yDst, cxDst, cyDst, s_hWinGDC, xSrc, ySrc);
    }
    return s_pfnWinGStretchBlt(hdc, xDst, yDst, cxDst, cyDst, s_hWinGDC, xSrc, ySrc, cxSrc, cySrc);
}

namespace {

// Both shared headers describe a bottom-up picture of the surface's size.
BITMAPINFO& SharedHeaderFor(int width, int height) {
    for (BITMAPINFO* info : {&CDibG::s_bmiRGB, &CDibG::s_bmiPal}) {
        info->bmiHeader.biWidth = width;
        info->bmiHeader.biHeight = height;
    }
    return CDibG::s_nColorUse == DIB_PAL_COLORS ? CDibG::s_bmiPal : CDibG::s_bmiRGB;
}

}  // namespace

int CDibG::RenderDIB(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc,
                     int cxSrc, int cySrc) {
    if (!IsValid()) {
        return 0;
    }
    const int height = GetHeight();
    const BITMAPINFO& header = SharedHeaderFor(GetWidth(), height);
    if (s_nOrientation == kBottomUp) {
        return StretchDIBits(OutputOf(pDC), xDst, yDst, cxDst, cyDst, xSrc, height - ySrc - cySrc,
                             cxSrc, cySrc, m_pBits, &header, s_nColorUse, SRCCOPY);
    }
    // Top-down rows under a bottom-up header come out upside down; the
    // negative source height turns them back.
    return StretchDIBits(OutputOf(pDC), xDst, yDst, cxDst, cyDst, xSrc, ySrc + cySrc + 1, cxSrc,
                         -cySrc, m_pBits, &header, s_nColorUse, SRCCOPY);
}

int CDibG::StretchDIB(CDC* pDC, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc,
                      int cxSrc, int cySrc) {
    if (!IsValid()) {
        return 0;
    }
    const int height = GetHeight();
    const BITMAPINFO& header = SharedHeaderFor(GetWidth(), height);
    return StretchDIBits(OutputOf(pDC), xDst, yDst, cxDst, cyDst, xSrc, height - ySrc - cySrc,
                         cxSrc, cySrc, m_pBits, &header, s_nColorUse, SRCCOPY);
}

int CDibG::DrawDIB(CDC* pDC, const CRect* destination) {
    return StretchDIB(pDC, destination->left, destination->top, destination->Width(),
                      destination->Height(), 0, 0, GetWidth(), GetHeight());
}

int CDibG::BitBlt(CDC* pDC, const CPoint* destination, const CPoint* source, const CSize* size) {
    HDC hdc = OutputOf(pDC);
    if (s_bWinG) {
        return s_pfnWinGBitBlt(hdc, destination->x, destination->y, size->cx, size->cy, s_hWinGDC,
                               source->x, source->y);
    }
    return StretchDIBits(hdc, destination->x, destination->y, size->cx, size->cy, source->x,
                         GetHeight() - source->y - size->cy, size->cx, size->cy, m_pBits, &m_bmi,
                         s_nColorUse, SRCCOPY);
}

int CDibG::StretchBlt(CDC* pDC, const CPoint* destination, const CSize* destinationSize,
                      const CPoint* source, const CSize* sourceSize) {
    HDC hdc = OutputOf(pDC);
    if (s_bWinG) {
        return s_pfnWinGStretchBlt(hdc, destination->x, destination->y, destinationSize->cx,
                                   destinationSize->cy, s_hWinGDC, source->x, source->y,
                                   sourceSize->cx, sourceSize->cy);
    }
    return StretchDIBits(hdc, destination->x, destination->y, destinationSize->cx,
                         destinationSize->cy, source->x, GetHeight() - source->y - sourceSize->cy,
                         sourceSize->cx, sourceSize->cy, m_pBits, &m_bmi, s_nColorUse, SRCCOPY);
}
