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
BOOL CDibG::s_bLoadTried = FALSE;
BOOL CDibG::s_bWinGLoaded = FALSE;
HINSTANCE CDibG::s_hWinGLib = nullptr;
PFNWINGCREATEDC CDibG::s_pfnWinGCreateDC = nullptr;
PFNWINGCREATEBITMAP CDibG::s_pfnWinGCreateBitmap = nullptr;
PFNWINGGETDIBPOINTER CDibG::s_pfnWinGGetDIBPointer = nullptr;
PFNWINGRECOMMENDDIBFORMAT CDibG::s_pfnWinGRecommendDIBFormat = nullptr;
PFNWINGGETDIBCOLORTABLE CDibG::s_pfnWinGGetDIBColorTable = nullptr;
PFNWINGSETDIBCOLORTABLE CDibG::s_pfnWinGSetDIBColorTable = nullptr;
PFNWINGBITBLT CDibG::s_pfnWinGBitBlt = nullptr;
PFNWINGSTRETCHBLT CDibG::s_pfnWinGStretchBlt = nullptr;
PFNWINGCREATEHALFTONEBRUSH CDibG::s_pfnWinGCreateHalftoneBrush = nullptr;
PFNWINGCREATEHALFTONEPALETTE CDibG::s_pfnWinGCreateHalftonePalette = nullptr;
