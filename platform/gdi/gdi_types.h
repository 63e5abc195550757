// Handles, structures and constants of the graphics interface that the
// program and the WinG-compatible component pass to it. Values are the
// original platform's, so code written against it keeps its numbers.
#pragma once

#include "platform/base/win_types.h"

struct HPEN__;
using HPEN = HPEN__*;

struct RGBTRIPLE {
    BYTE rgbtBlue;
    BYTE rgbtGreen;
    BYTE rgbtRed;
};
static_assert(sizeof(RGBTRIPLE) == 3);

// GetDeviceCaps indices.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int RASTERCAPS = 38;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int NUMRESERVED = 106;

// RASTERCAPS bits.
inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_DI_BITMAP = 0x0080;
inline constexpr int RC_PALETTE = 0x0100;
inline constexpr int RC_DIBTODEV = 0x0200;
inline constexpr int RC_STRETCHBLT = 0x0800;
inline constexpr int RC_STRETCHDIB = 0x2000;

// Palette entry flags.
inline constexpr BYTE PC_RESERVED = 0x01;
inline constexpr BYTE PC_NOCOLLAPSE = 0x04;

// How a DIB's colour table is to be read.
inline constexpr UINT DIB_RGB_COLORS = 0;
inline constexpr UINT DIB_PAL_COLORS = 1;

inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr UINT GDI_ERROR = 0xFFFFFFFF;

// GetStockObject indices.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int DEFAULT_PALETTE = 15;
