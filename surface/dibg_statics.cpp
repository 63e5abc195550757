// The state all surfaces share. Plain GDI presentation of bottom-up rows is
// the starting point; the WinG binding changes it once, at start-up.
#include "surface/dibg.h"

BOOL CDibG::s_bWinG = FALSE;
int CDibG::s_nOrientation = CDibG::kBottomUp;
int CDibG::s_nColorUse = 0;
BOOL CDibG::s_bPaletteDevice = FALSE;
HDC CDibG::s_hWinGDC = nullptr;
HBITMAP CDibG::s_hOldBitmap = nullptr;
CDibG* CDibG::s_pSelected = nullptr;
BITMAPINFO CDibG::s_bmiRGB{};
BITMAPINFO CDibG::s_bmiPal{};
