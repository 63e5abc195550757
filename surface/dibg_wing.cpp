// The WinG binding: the component is looked for once per process, used only
// when it has every entry point, and decides the row order of all surfaces.
#include "platform/gdi/gdi.h"
#include "platform/kernel/library.h"
#include "platform/kernel/profile.h"
#include "surface/dibg.h"

namespace {

template <class Pointer>
Pointer Lookup(HMODULE library, LPCSTR name) {
    return reinterpret_cast<Pointer>(GetProcAddress(library, name));
}

void ResetSharedHeader(BITMAPINFO& info) {
    info.bmiHeader = BITMAPINFOHEADER{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 8;
    info.bmiHeader.biCompression = BI_RGB;
}

}  // namespace

BOOL CDibG::LoadWinG(LPCSTR profileMessage) {
    if (s_bLoadTried) {
        return s_bWinGLoaded;
    }
    s_bLoadTried = TRUE;
    s_hWinGLib = nullptr;
    // The message stays behind if loading takes the process down, so the
    // user learns what it was doing.
    if (profileMessage != nullptr) {
        WriteProfileStringA("WinG", "ProfileMessage", profileMessage);
    }
    const UINT previousMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    s_hWinGLib = LoadLibraryA("WING32.DLL");
    SetErrorMode(previousMode);
    if (s_hWinGLib == nullptr) {
        return FALSE;
    }
    s_pfnWinGCreateDC = Lookup<PFNWINGCREATEDC>(s_hWinGLib, "WinGCreateDC");
    s_pfnWinGCreateBitmap = Lookup<PFNWINGCREATEBITMAP>(s_hWinGLib, "WinGCreateBitmap");
    s_pfnWinGGetDIBPointer = Lookup<PFNWINGGETDIBPOINTER>(s_hWinGLib, "WinGGetDIBPointer");
    s_pfnWinGRecommendDIBFormat =
        Lookup<PFNWINGRECOMMENDDIBFORMAT>(s_hWinGLib, "WinGRecommendDIBFormat");
    s_pfnWinGGetDIBColorTable = Lookup<PFNWINGGETDIBCOLORTABLE>(s_hWinGLib, "WinGGetDIBColorTable");
    s_pfnWinGSetDIBColorTable = Lookup<PFNWINGSETDIBCOLORTABLE>(s_hWinGLib, "WinGSetDIBColorTable");
    s_pfnWinGBitBlt = Lookup<PFNWINGBITBLT>(s_hWinGLib, "WinGBitBlt");
    s_pfnWinGStretchBlt = Lookup<PFNWINGSTRETCHBLT>(s_hWinGLib, "WinGStretchBlt");
    s_pfnWinGCreateHalftoneBrush =
        Lookup<PFNWINGCREATEHALFTONEBRUSH>(s_hWinGLib, "WinGCreateHalftoneBrush");
    s_pfnWinGCreateHalftonePalette =
        Lookup<PFNWINGCREATEHALFTONEPALETTE>(s_hWinGLib, "WinGCreateHalftonePalette");
    // A component missing any entry point is not the one we were built for.
    if (s_pfnWinGCreateDC == nullptr || s_pfnWinGCreateBitmap == nullptr ||
        s_pfnWinGGetDIBPointer == nullptr || s_pfnWinGRecommendDIBFormat == nullptr ||
        s_pfnWinGGetDIBColorTable == nullptr || s_pfnWinGSetDIBColorTable == nullptr ||
        s_pfnWinGBitBlt == nullptr || s_pfnWinGStretchBlt == nullptr ||
        s_pfnWinGCreateHalftoneBrush == nullptr || s_pfnWinGCreateHalftonePalette == nullptr) {
        FreeLibrary(s_hWinGLib);
        s_hWinGLib = nullptr;
        return FALSE;
    }
    s_bWinGLoaded = TRUE;
    if (profileMessage != nullptr) {
        WriteProfileStringA("WinG", "ProfileMessage", "");
    }
    return TRUE;
}

void CDibG::InitWinG(const CString& profileMessage, BOOL doNotUse, int forcedOrientation) {
    s_bWinG = FALSE;
    s_bWinGLoaded = FALSE;
    s_nOrientation = kBottomUp;
    ResetSharedHeader(s_bmiRGB);
    ResetSharedHeader(s_bmiPal);
    if (doNotUse) {
        s_bLoadTried = TRUE;  // never loaded, and WIN.INI left alone
    } else {
        LoadWinG(profileMessage);
    }
    if (LoadWinG(nullptr) && !doNotUse) {
        s_hWinGDC = s_pfnWinGCreateDC();
        BITMAPINFO recommended{};
        if (s_hWinGDC != nullptr && s_pfnWinGRecommendDIBFormat(&recommended)) {
            s_bWinG = TRUE;
            if (forcedOrientation != 0) {
                s_nOrientation = forcedOrientation;
            } else {
                s_nOrientation = recommended.bmiHeader.biHeight == -1 ? kTopDown : kBottomUp;
            }
        }
    }
    // How GDI presentation passes colours depends on the display alone.
    HDC information = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    s_bPaletteDevice = FALSE;
    if (information != nullptr) {
        s_bPaletteDevice = (GetDeviceCaps(information, RASTERCAPS) & RC_PALETTE) != 0;
        DeleteDC(information);
    }
    s_nColorUse = s_bPaletteDevice ? DIB_PAL_COLORS : DIB_RGB_COLORS;
}

void CDibG::ExitWinG() {
    if (s_hWinGDC != nullptr) {
        DeleteDC(s_hWinGDC);
        s_hWinGDC = nullptr;
    }
    if (s_hWinGLib != nullptr) {
        FreeLibrary(s_hWinGLib);
        s_hWinGLib = nullptr;
    }
}

HBITMAP CDibG::SelectIntoWinGDC() {
    if (!s_bWinG || m_bSelected) {
        return nullptr;
    }
    if (s_pSelected != nullptr) {
        s_pSelected->m_bSelected = FALSE;
        s_pSelected = nullptr;
    }
    HBITMAP previous = SelectObject(s_hWinGDC, m_hBitmap);
    if (s_hOldBitmap == nullptr) {
        s_hOldBitmap = previous;
    }
    if (previous != nullptr) {
        s_pSelected = this;
        m_bSelected = TRUE;
    }
    return previous;
}

void CDibG::EnableOwnDC(BOOL enable) {
    if (enable && m_hOwnDC == nullptr) {
        if (s_bWinG) {
            m_hOwnDC = s_pfnWinGCreateDC();
        }
    } else if (!enable && m_hOwnDC != nullptr) {
        DeleteDC(m_hOwnDC);
        m_hOwnDC = nullptr;
    }
}

BYTE* CDibG::AllocateWinGBits() {
    // WinG reads the header, row order included, and the colour table here,
    // which is why creation completes both first.
    m_hBitmap = s_pfnWinGCreateBitmap(s_hWinGDC, &m_bmi, nullptr);
    if (m_hBitmap != nullptr) {
        m_pBits = static_cast<BYTE*>(s_pfnWinGGetDIBPointer(m_hBitmap, nullptr));
    }
    if (m_pBits == nullptr) {
        ThrowMemoryError();
    }
    return m_pBits;
}

void CDibG::ReleaseWinGBitmap() {
    // The shared context must never hold a deleted bitmap.
    if (m_hBitmap != nullptr && m_bSelected && s_hOldBitmap != nullptr) {
        SelectObject(s_hWinGDC, s_hOldBitmap);
        s_pSelected = nullptr;
        m_bSelected = FALSE;
    }
    if (m_hBitmap != nullptr) {
        DeleteObject(m_hBitmap);
        m_hBitmap = nullptr;
    }
}
