// Surfaces are created and loaded with their palette realised in the
// foreground on the desktop and in the shared WinG context, so that a new
// WinG bitmap and the screen agree on the colours from the first frame.
#pragma once

#include "platform/base/win_types.h"

class CPalId;

namespace vandrel::surface {

// Realises `palette` in the foreground in the shared WinG context, then puts
// the context's previous palette back. The context outlives every picture,
// and a palette still selected into a context cannot be deleted: kept there,
// each picture's palette would be lost when its owner let go of it.
void RealizeInWinGContext(HPALETTE palette);

// Realises on construction; on destruction, also when the work throws, puts
// the desktop's previous palette back and releases the desktop context.
class PaletteBracket {
public:
    explicit PaletteBracket(CPalId* pal);
    ~PaletteBracket();
    PaletteBracket(const PaletteBracket&) = delete;
    PaletteBracket& operator=(const PaletteBracket&) = delete;

private:
    HDC m_hDesktopDC;
    HPALETTE m_hPrevious = nullptr;
};

}  // namespace vandrel::surface
