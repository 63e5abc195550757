// The objects behind palette, brush, pen and bitmap handles. A handle is the
// object's address, but every call looks it up in a registry first, so a
// stale or foreign handle is refused instead of dereferenced.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_buffer.h"

namespace vandrel::gdi {

enum class ObjectKind { Palette, Brush, Pen, Bitmap };

struct GdiObject {
    explicit GdiObject(ObjectKind objectKind) : kind(objectKind) {}
    virtual ~GdiObject() = default;

    ObjectKind kind;
    bool stock = false;  // lives for the process; deleting it does nothing
    int selections = 0;  // device contexts it is selected into
};

struct PaletteObject : GdiObject {
    PaletteObject() : GdiObject(ObjectKind::Palette) {}

    std::vector<PALETTEENTRY> entries;
    // System slot of each entry as of the last realisation, valid while
    // realisedGeneration matches the display's generation.
    std::vector<int> systemSlot;
    int realisedGeneration = -1;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(ObjectKind::Brush) {}

    COLORREF color = 0;
    bool hollow = false;
};

struct PenObject : GdiObject {
    PenObject() : GdiObject(ObjectKind::Pen) {}

    COLORREF color = 0;
    bool null = false;
};

struct BitmapObject : GdiObject {
    BitmapObject() : GdiObject(ObjectKind::Bitmap) {}

    BITMAPINFOHEADER header{};
    std::array<RGBQUAD, 256> colors{};
    std::unique_ptr<BYTE[]> bits;
    std::ptrdiff_t rowBytes = 0;  // padded to 4 bytes

    int Height() const { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }
    bool IsTopDown() const { return header.biHeight < 0; }
    PixelBuffer Pixels();
};

// An uncompressed 8-bit header of a size this layer handles, either row order.
bool IsSupportedDib(const BITMAPINFOHEADER& header);

// Takes ownership and returns the handle.
GdiObject* RegisterObject(std::unique_ptr<GdiObject> object);
// Null for unknown handles.
GdiObject* FindObject(const void* handle);
template <class T>
T* FindObjectOf(const void* handle, ObjectKind kind) {
    GdiObject* object = FindObject(handle);
    return object != nullptr && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
// Destroys an object that is not stock and not selected anywhere.
bool DestroyObject(const void* handle);

PaletteObject& DefaultPalette();
BitmapObject& StockBitmap();
BrushObject& StockWhiteBrush();
PenObject& StockBlackPen();

template <class Handle>
Handle HandleOf(GdiObject* object) {
    return reinterpret_cast<Handle>(object);
}

}  // namespace vandrel::gdi
