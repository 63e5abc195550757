#include "platform/gdi/objects.h"

#include <unordered_map>

#include "platform/gdi/gdi.h"

namespace vandrel::gdi {
namespace {

std::unordered_map<const void*, std::unique_ptr<GdiObject>>& Registry() {
    static std::unordered_map<const void*, std::unique_ptr<GdiObject>> registry;
    return registry;
}

template <class T>
T& RegisterStock(std::unique_ptr<T> object) {
    object->stock = true;
    T& stock = *object;
    RegisterObject(std::move(object));
    return stock;
}

BrushObject& StockBrush(COLORREF color, bool hollow) {
    auto brush = std::make_unique<BrushObject>();
    brush->color = color;
    brush->hollow = hollow;
    return RegisterStock(std::move(brush));
}

PenObject& StockPen(bool null) {
    auto pen = std::make_unique<PenObject>();
    pen->null = null;
    return RegisterStock(std::move(pen));
}

// Generous for any window the program shows, small enough that the byte
// count of a bitmap cannot overflow.
constexpr std::int64_t kMaxDimension = 16384;

}  // namespace

bool IsSupportedDib(const BITMAPINFOHEADER& header) {
    const std::int64_t height =
        header.biHeight < 0 ? -std::int64_t{header.biHeight} : std::int64_t{header.biHeight};
    return header.biSize >= sizeof(BITMAPINFOHEADER) && header.biPlanes == 1 &&
           header.biBitCount == 8 && header.biCompression == BI_RGB && header.biWidth > 0 &&
           header.biWidth <= kMaxDimension && height > 0 && height <= kMaxDimension;
}

PixelBuffer BitmapObject::Pixels() {
    PixelBuffer pixels;
    const int height = Height();
    pixels.topRow = IsTopDown() ? bits.get() : bits.get() + (height - 1) * rowBytes;
    pixels.width = header.biWidth;
    pixels.height = height;
    pixels.stride = IsTopDown() ? rowBytes : -rowBytes;
    pixels.format = PixelFormat::TableIndex8;
    pixels.colorTable = colors.data();
    return pixels;
}

GdiObject* RegisterObject(std::unique_ptr<GdiObject> object) {
    GdiObject* handle = object.get();
    Registry().emplace(handle, std::move(object));
    return handle;
}

GdiObject* FindObject(const void* handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    auto found = Registry().find(handle);
    return found != Registry().end() ? found->second.get() : nullptr;
}

bool DestroyObject(const void* handle) {
    GdiObject* object = FindObject(handle);
    if (object == nullptr || object->selections > 0) {
        return false;
    }
    if (!object->stock) {
        Registry().erase(handle);
    }
    return true;
}

PaletteObject& DefaultPalette() {
    // The twenty static colours, which realise onto the static slots of a
    // standard palette display.
    static PaletteObject& palette = []() -> PaletteObject& {
        auto created = std::make_unique<PaletteObject>();
        static constexpr BYTE kColors[20][3] = {
            {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
            {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
            {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
            {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
        };
        for (const auto& rgb : kColors) {
            created->entries.push_back({rgb[0], rgb[1], rgb[2], 0});
        }
        return RegisterStock(std::move(created));
    }();
    return palette;
}

BitmapObject& StockBitmap() {
    // What a fresh memory context holds: a single black pixel.
    static BitmapObject& bitmap = []() -> BitmapObject& {
        auto created = std::make_unique<BitmapObject>();
        created->header = {40, 1, 1, 1, 8, BI_RGB, 4, 0, 0, 0, 0};
        created->rowBytes = 4;
        created->bits = std::make_unique<BYTE[]>(4);
        return RegisterStock(std::move(created));
    }();
    return bitmap;
}

BrushObject& StockWhiteBrush() {
    static BrushObject& brush = StockBrush(RGB(255, 255, 255), false);
    return brush;
}

PenObject& StockBlackPen() {
    static PenObject& pen = StockPen(false);
    return pen;
}

}  // namespace vandrel::gdi

HGDIOBJ GetStockObject(int index) {
    using namespace vandrel::gdi;
    static BrushObject& lightGray = StockBrush(RGB(192, 192, 192), false);
    static BrushObject& gray = StockBrush(RGB(128, 128, 128), false);
    static BrushObject& black = StockBrush(RGB(0, 0, 0), false);
    static BrushObject& hollow = StockBrush(RGB(0, 0, 0), true);
    static PenObject& nullPen = StockPen(true);
    switch (index) {
        case WHITE_BRUSH:
            return HandleOf<HGDIOBJ>(&StockWhiteBrush());
        case LTGRAY_BRUSH:
            return HandleOf<HGDIOBJ>(&lightGray);
        case GRAY_BRUSH:
            return HandleOf<HGDIOBJ>(&gray);
        case BLACK_BRUSH:
            return HandleOf<HGDIOBJ>(&black);
        case NULL_BRUSH:
            return HandleOf<HGDIOBJ>(&hollow);
        case BLACK_PEN:
            return HandleOf<HGDIOBJ>(&StockBlackPen());
        case NULL_PEN:
            return HandleOf<HGDIOBJ>(&nullPen);
        case DEFAULT_PALETTE:
            return HandleOf<HGDIOBJ>(&DefaultPalette());
        default:
            return nullptr;
    }
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = std::make_unique<vandrel::gdi::BrushObject>();
    brush->color = color;
    return vandrel::gdi::HandleOf<HBRUSH>(vandrel::gdi::RegisterObject(std::move(brush)));
}

BOOL DeleteObject(HGDIOBJ object) {
    return vandrel::gdi::DestroyObject(object) ? TRUE : FALSE;
}

BOOL DeleteObject(HBITMAP bitmap) {
    return DeleteObject(reinterpret_cast<HGDIOBJ>(bitmap));
}

BOOL DeleteObject(HPALETTE palette) {
    return DeleteObject(reinterpret_cast<HGDIOBJ>(palette));
}

BOOL DeleteObject(HBRUSH brush) {
    return DeleteObject(reinterpret_cast<HGDIOBJ>(brush));
}
