// Creating a surface together with its palette: size, colour tables, pixel
// memory and row table, in the order WinG needs them.
#include <cstring>

#include "palette/pal_id.h"
#include "platform/gdi/gdi.h"
#include "surface/dibg.h"
#include "surface/palette_bracket.h"
#include "surface/picture_formats.h"

namespace {

// A DIB_PAL_COLORS table: 16-bit palette indices 0..255 in the first 512
// bytes of the colour table.
void WriteIdentityIndices(BITMAPINFO& info) {
    WORD indices[256];
    for (WORD i = 0; i < 256; ++i) {
        indices[i] = i;
    }
    std::memcpy(info.bmiColors, indices, sizeof indices);
}

}  // namespace

void CDibG::Create(int width, int height, CPalId* pal) {
    const vandrel::surface::PaletteBracket bracket(pal);
    CreateSurface(width, height, pal);
}

void CDibG::Create(CSize size, CPalId* pal) {
    Create(size.cx, size.cy, pal);
}

BOOL CDibG::CreateSurface(CSize size, CPalId* pal) {
    return CreateSurface(size.cx, size.cy, pal);
}

BOOL CDibG::CreateSurface(int width, int height, CPalId* pal) {
    if (IsCreated()) {
        return TRUE;  // no resize, no new palette: Destroy first for that
    }
    // Refused before anything changes: a size no picture has, or one whose
    // byte count would not fit the arithmetic, and a missing palette.
    constexpr int kLargest = vandrel::pictures::kLargestSide;
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest || pal == nullptr) {
        ThrowResourceError();
    }
    SetWidth(width);
    SetHeight(height);
    SetPalette(pal);
    try {
        AllocateBits();
        BuildRowTable();
    } catch (...) {
        ReleaseSurfaceMemory();
        throw;
    }
    m_bCreated = TRUE;
    return TRUE;
}

void CDibG::RequireEmpty() {
    if (IsCreated()) {
        ThrowResourceError();
    }
}

void CDibG::SetPalette(CPalId* pal) {
    m_pPalette = pal;
    if (!s_bWinG) {
        if (s_nColorUse == DIB_PAL_COLORS) {
            // StretchDIBits then maps pixel i to entry i of the palette
            // selected into the window, with no colour matching at all.
            WriteIdentityIndices(m_bmi);
        } else {
            pal->GetColorTable(m_bmi.bmiColors);
        }
    }
    UpdateSharedColorTables(pal);
    if (s_bWinG) {
        PALETTEENTRY entries[256];
        const UINT count = GetPaletteEntries(*pal, 0, 256, entries);
        for (UINT i = 0; i < count && i < 256; ++i) {
            m_bmi.bmiColors[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
        }
    }
}

void CDibG::UpdateSharedColorTables(CPalId* pal) {
    const HPALETTE palette = *pal;
    if (s_bWinG) {
        vandrel::surface::RealizeInWinGContext(palette);
    }
    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(palette, 0, 256, entries);
    for (UINT i = 0; i < count && i < 256; ++i) {
        s_bmiRGB.bmiColors[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    }
    WriteIdentityIndices(s_bmiPal);
}
