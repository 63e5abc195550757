// Building the palette from colour tables or the system palette, and the
// identity merge with the display's static colours.
#include <algorithm>

#include "palette/pal_id.h"
#include "platform/afx/dc.h"

namespace {

LOGPALETTE EmptyLogPalette() {
    LOGPALETTE logPalette{};
    logPalette.palVersion = 0x300;
    logPalette.palNumEntries = 256;
    return logPalette;
}

bool IsPaletteDisplay() {
    CDC info;
    if (!info.CreateIC("DISPLAY", nullptr, nullptr, nullptr)) {
        return false;
    }
    return (info.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
}

// Copies the static colours of the system palette to both ends of the
// logical palette and reserves the entries between, so that a foreground
// realisation cannot collapse them onto each other or onto static slots.
void MergeStaticColors(LOGPALETTE& logPalette) {
    CDC display;
    if (!display.CreateDC("DISPLAY", nullptr, nullptr, nullptr)) {
        return;
    }
    const int nSystem = display.GetDeviceCaps(SIZEPALETTE);
    // Both static blocks have to fit in the 256 logical entries.
    const int nHalf = std::clamp(display.GetDeviceCaps(NUMRESERVED) / 2, 0, std::min(nSystem, 128));
    PALETTEENTRY* pEntries = logPalette.palPalEntry;
    ::GetSystemPaletteEntries(display.m_hDC, 0, static_cast<UINT>(nHalf), pEntries);
    ::GetSystemPaletteEntries(display.m_hDC, static_cast<UINT>(nSystem - nHalf),
                              static_cast<UINT>(nHalf), pEntries + 256 - nHalf);
    // A system palette larger than 256 slots still reserves only the entries
    // between the two logical static blocks.
    const int nReservedEnd = std::min(nSystem - nHalf, 256 - nHalf);
    for (int i = nHalf; i < nReservedEnd; ++i) {
        pEntries[i].peFlags = PC_RESERVED;
    }
}

}  // namespace

void CPalId::Build(LOGPALETTE& logPalette, BOOL bIdentity) {
    const bool bPaletteDisplay = IsPaletteDisplay();
    if (bPaletteDisplay && bIdentity) {
        ClearSystemPalette();
        MergeStaticColors(logPalette);
    }
    HPALETTE hPalette = ::CreatePalette(&logPalette);
    // Callers build only empty objects, but a rebuild must not lose the
    // palette it replaces.
    DeleteObject();
    Attach(reinterpret_cast<HGDIOBJ>(hPalette));
    m_bCreated = TRUE;
}

void CPalId::CreateFromRGB(const BYTE* pRGB, BOOL bIdentity) {
    LOGPALETTE logPalette = EmptyLogPalette();
    for (int i = 0; i < 256; ++i) {
        logPalette.palPalEntry[i] = {pRGB[3 * i], pRGB[3 * i + 1], pRGB[3 * i + 2], 0};
    }
    Build(logPalette, bIdentity);
}

void CPalId::CreateFromRGBQuad(const RGBQUAD* pQuads, BOOL bIdentity) {
    LOGPALETTE logPalette = EmptyLogPalette();
    for (int i = 0; i < 256; ++i) {
        logPalette.palPalEntry[i] = {pQuads[i].rgbRed, pQuads[i].rgbGreen, pQuads[i].rgbBlue, 0};
    }
    Build(logPalette, bIdentity);
}

void CPalId::CreateFromRGBTriple(const RGBTRIPLE* pTriples, BOOL bIdentity) {
    LOGPALETTE logPalette = EmptyLogPalette();
    for (int i = 0; i < 256; ++i) {
        logPalette.palPalEntry[i] = {pTriples[i].rgbtRed, pTriples[i].rgbtGreen,
                                     pTriples[i].rgbtBlue, 0};
    }
    Build(logPalette, bIdentity);
}

void CPalId::CreateFromSystem(BOOL bIdentity) {
    CClientDC desktop(CWnd::FromHandle(::GetDesktopWindow()));
    LOGPALETTE logPalette = EmptyLogPalette();
    ::GetSystemPaletteEntries(desktop.m_hDC, 0, 256, logPalette.palPalEntry);
    for (PALETTEENTRY& entry : logPalette.palPalEntry) {
        entry.peFlags = 0;
    }
    Build(logPalette, bIdentity);
}

void CPalId::ClearSystemPalette() {
    HDC hScreen = ::GetDC(nullptr);
    LOGPALETTE logPalette = EmptyLogPalette();
    for (PALETTEENTRY& entry : logPalette.palPalEntry) {
        entry = {0, 0, 0, PC_NOCOLLAPSE};
    }
    // Black entries that may not collapse onto the static black take every
    // free slot when realised in the foreground.
    if (HPALETTE hBlack = ::CreatePalette(&logPalette)) {
        HPALETTE hPrevious = ::SelectPalette(hScreen, hBlack, FALSE);
        ::RealizePalette(hScreen);
        ::SelectPalette(hScreen, hPrevious, FALSE);
        ::DeleteObject(hBlack);
    }
    ::ReleaseDC(nullptr, hScreen);
}
