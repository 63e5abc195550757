#include "surface/palette_bracket.h"

#include "palette/pal_id.h"
#include "platform/gdi/gdi.h"
#include "surface/dibg.h"

namespace vandrel::surface {

void RealizeInWinGContext(HPALETTE palette) {
    const HPALETTE previous = SelectPalette(CDibG::s_hWinGDC, palette, FALSE);
    RealizePalette(CDibG::s_hWinGDC);
    if (previous != nullptr) {
        SelectPalette(CDibG::s_hWinGDC, previous, FALSE);
    }
}

PaletteBracket::PaletteBracket(CPalId* pal) : m_hDesktopDC(GetDC(GetDesktopWindow())) {
    if (!CDibG::s_bWinG || m_hDesktopDC == nullptr) {
        return;
    }
    const HPALETTE palette = *pal;
    m_hPrevious = SelectPalette(m_hDesktopDC, palette, FALSE);
    RealizePalette(m_hDesktopDC);
    RealizeInWinGContext(palette);
}

PaletteBracket::~PaletteBracket() {
    if (m_hDesktopDC == nullptr) {
        return;
    }
    if (m_hPrevious != nullptr) {
        SelectPalette(m_hDesktopDC, m_hPrevious, FALSE);
    }
    ReleaseDC(GetDesktopWindow(), m_hDesktopDC);
}

}  // namespace vandrel::surface
