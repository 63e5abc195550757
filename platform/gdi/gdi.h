// The graphics calls of the original platform that the program and the
// WinG-compatible component make, under their original names. Device
// contexts draw into pixel surfaces (see window_surface.h); the display is
// true colour or an emulated 256-colour palette display (see display.h).
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_types.h"

// Device contexts. GetDC(NULL) and the desktop window's client context are
// the screen, which has capabilities but no pixels of its own.
HWND GetDesktopWindow();
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData);
HDC CreateICA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
int GetDeviceCaps(HDC dc, int index);

// Objects. The typed overloads spare callers the handle casts that the
// untyped originals needed.
HGDIOBJ GetStockObject(int index);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HPEN SelectObject(HDC dc, HPEN pen);
BOOL DeleteObject(HGDIOBJ object);
BOOL DeleteObject(HBITMAP bitmap);
BOOL DeleteObject(HPALETTE palette);
BOOL DeleteObject(HBRUSH brush);
HBRUSH CreateSolidBrush(COLORREF color);

// Palettes.
HPALETTE CreatePalette(const LOGPALETTE* logPalette);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC dc);
UINT GetSystemPaletteEntries(HDC dc, UINT start, UINT count, PALETTEENTRY* entries);
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);

// 8-bit device-independent bitmaps whose pixels the caller writes directly.
// Only DIB_RGB_COLORS tables and no file mapping (section NULL, offset 0).
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors);
UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors);

// Drawing. Rectangles exclude their right and bottom edges.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// Copies an 8-bit DIB, scaled by nearest neighbour; a negative width or
// height makes the rectangle (x, w) cover x + w .. x - 1 in reverse order,
// which mirrors the picture when the source and destination signs differ.
// Source rows count from the bottom for a bottom-up header and from the top
// for a top-down one. Returns the number of source rows, 0 on failure.
int StretchDIBits(HDC dc, int xDst, int yDst, int cxDst, int cyDst, int xSrc, int ySrc, int cxSrc,
                  int cySrc, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
