// Reading the three picture sources completely, and checking them, before a
// surface or palette is touched: a source that is short, oversized or lies
// about itself comes back as nothing, and the loader refuses it whole.
#pragma once

#include <optional>
#include <vector>

#include "platform/base/cstring.h"
#include "surface/picture_formats.h"

namespace vandrel::surface {

// A checked picture: its size, 256 colours, and `height` rows of
// StrideFor(width) bytes in the order `orientation` names (1 bottom-up, 2
// top-down). For resources the rows stay in the module's own memory.
struct PictureSource {
    BITMAPINFOHEADER header{};  // as the source gave it (BMP and resources)
    int width = 0;
    int height = 0;
    RGBQUAD colours[256]{};
    const BYTE* rows = nullptr;
    int orientation = 1;
    std::vector<BYTE> storage;  // owns the rows read from a file
};

std::optional<PictureSource> ReadResourcePicture(HINSTANCE module, const CString& name);
// Files that cannot be opened read as nothing; read errors of an open file
// raise the file exception. Running out of memory raises std::bad_alloc.
std::optional<PictureSource> ReadBmpPicture(const CString& path);
std::optional<PictureSource> ReadPcxPicture(const CString& path);

}  // namespace vandrel::surface
