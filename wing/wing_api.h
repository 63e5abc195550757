// The WinG entry points: the ten names the component exports and the
// program looks up at run time, with the pointer types it calls them
// through. One header for both sides, so a signature can never drift
// between the component and its caller.
#pragma once

#include "platform/base/win_types.h"

// The dither patterns a halftone brush may ask for.
enum WING_DITHER_TYPE {
    WING_DISPERSED_4x4 = 0,
    WING_DISPERSED_8x8 = 1,
    WING_CLUSTERED_4x4 = 2,
};

using PFNWINGCREATEDC = HDC (*)();
using PFNWINGCREATEBITMAP = HBITMAP (*)(HDC dc, const BITMAPINFO* info, void** bits);
using PFNWINGGETDIBPOINTER = void* (*)(HBITMAP bitmap, BITMAPINFO* info);
using PFNWINGRECOMMENDDIBFORMAT = BOOL (*)(BITMAPINFO* info);
using PFNWINGGETDIBCOLORTABLE = UINT (*)(HDC dc, UINT start, UINT count, RGBQUAD* colors);
using PFNWINGSETDIBCOLORTABLE = UINT (*)(HDC dc, UINT start, UINT count, const RGBQUAD* colors);
using PFNWINGBITBLT = BOOL (*)(HDC dst, int xDst, int yDst, int cx, int cy, HDC src, int xSrc,
                               int ySrc);
using PFNWINGSTRETCHBLT = BOOL (*)(HDC dst, int xDst, int yDst, int cxDst, int cyDst, HDC src,
                                   int xSrc, int ySrc, int cxSrc, int cySrc);
using PFNWINGCREATEHALFTONEBRUSH = HBRUSH (*)(HDC dc, COLORREF color, WING_DITHER_TYPE dither);
using PFNWINGCREATEHALFTONEPALETTE = HPALETTE (*)();

// Only the component defines these; the program never links them.
#define WING_EXPORT extern "C" __attribute__((visibility("default")))

WING_EXPORT HDC WinGCreateDC();
WING_EXPORT HBITMAP WinGCreateBitmap(HDC dc, const BITMAPINFO* info, void** bits);
WING_EXPORT void* WinGGetDIBPointer(HBITMAP bitmap, BITMAPINFO* info);
WING_EXPORT BOOL WinGRecommendDIBFormat(BITMAPINFO* info);
WING_EXPORT UINT WinGGetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors);
WING_EXPORT UINT WinGSetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors);
WING_EXPORT BOOL WinGBitBlt(HDC dst, int xDst, int yDst, int cx, int cy, HDC src, int xSrc,
                            int ySrc);
WING_EXPORT BOOL WinGStretchBlt(HDC dst, int xDst, int yDst, int cxDst, int cyDst, HDC src,
                                int xSrc, int ySrc, int cxSrc, int cySrc);
WING_EXPORT HBRUSH WinGCreateHalftoneBrush(HDC dc, COLORREF color, WING_DITHER_TYPE dither);
WING_EXPORT HPALETTE WinGCreateHalftonePalette();
