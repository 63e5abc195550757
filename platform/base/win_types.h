// The plain value types, handles and structures of the original platform that
// the program's code is written against. Layouts follow the stored formats
// (packed DIB headers, palette entries), so they can be read from files and
// resources byte for byte.
#pragma once

#include <cstdint>

using BOOL = std::int32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Handles are opaque pointers to distinct incomplete types, so that passing a
// bitmap where a device context is expected does not compile.
#define VANDREL_DECLARE_HANDLE(name) \
    struct name##__;                 \
    using name = name##__*

using HANDLE = void*;
VANDREL_DECLARE_HANDLE(HGLOBAL);
VANDREL_DECLARE_HANDLE(HINSTANCE);
VANDREL_DECLARE_HANDLE(HWND);
VANDREL_DECLARE_HANDLE(HDC);
VANDREL_DECLARE_HANDLE(HGDIOBJ);
VANDREL_DECLARE_HANDLE(HBITMAP);
VANDREL_DECLARE_HANDLE(HPALETTE);
VANDREL_DECLARE_HANDLE(HBRUSH);
VANDREL_DECLARE_HANDLE(HRSRC);
using HMODULE = HINSTANCE;

#undef VANDREL_DECLARE_HANDLE

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};
static_assert(sizeof(RGBQUAD) == 4);

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

// Unlike the original's one-entry declaration, this always has room for a
// full 256-colour table, which is the only kind the program handles.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};
static_assert(sizeof(BITMAPINFO) == 40 + 256 * 4);

inline constexpr DWORD BI_RGB = 0;

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
static_assert(sizeof(PALETTEENTRY) == 4);

// Room for 256 entries, the most a palette of this program holds.
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[256];
};
static_assert(sizeof(LOGPALETTE) == 4 + 256 * 4);

constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue) {
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>(c >> 8);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>(c >> 16);
}
