// Logical palettes, their selection and realisation, and the system palette.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/display.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/hooks.h"
#include "platform/gdi/realize.h"

namespace {

using vandrel::gdi::FindObjectOf;
using vandrel::gdi::ObjectKind;
using vandrel::gdi::PaletteObject;

std::int64_t AsInt(const void* handle) {
    return reinterpret_cast<std::intptr_t>(handle);
}

PaletteObject* FindPalette(HPALETTE palette) {
    return FindObjectOf<PaletteObject>(palette, ObjectKind::Palette);
}

// How many of `count` entries from `start` lie inside a table of `size`.
UINT EntriesInRange(std::size_t size, UINT start, UINT count) {
    if (start >= size) {
        return 0;
    }
    return static_cast<UINT>(std::min<std::size_t>(count, size - start));
}

}  // namespace

HPALETTE CreatePalette(const LOGPALETTE* logPalette) {
    HPALETTE handle = nullptr;
    if (logPalette != nullptr && logPalette->palVersion == 0x300 &&
        logPalette->palNumEntries >= 1 && logPalette->palNumEntries <= 256) {
        auto palette = std::make_unique<PaletteObject>();
        palette->entries.assign(logPalette->palPalEntry,
                                logPalette->palPalEntry + logPalette->palNumEntries);
        handle = vandrel::gdi::HandleOf<HPALETTE>(vandrel::gdi::RegisterObject(std::move(palette)));
    }
    vandrel::hooks::RecordGdiCall(
        "CreatePalette", {logPalette != nullptr ? logPalette->palNumEntries : 0, AsInt(handle)});
    return handle;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    const PaletteObject* object = FindPalette(palette);
    if (object == nullptr) {
        return 0;
    }
    if (entries == nullptr) {
        return static_cast<UINT>(object->entries.size());
    }
    const UINT copied = EntriesInRange(object->entries.size(), start, count);
    std::copy_n(object->entries.begin() + start, copied, entries);
    return copied;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
    PaletteObject* object = FindPalette(palette);
    if (object == nullptr || entries == nullptr) {
        return 0;
    }
    const UINT copied = EntriesInRange(object->entries.size(), start, count);
    std::copy_n(entries, copied, object->entries.begin() + start);
    // New colours need a new realisation before they reach the system palette.
    object->realisedGeneration = -1;
    return copied;
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground) {
    using namespace vandrel::gdi;
    vandrel::hooks::RecordGdiCall("SelectPalette", {AsInt(dc), AsInt(palette), forceBackground});
    DeviceContext* context = FindDc(dc);
    PaletteObject* object = FindPalette(palette);
    if (context == nullptr || object == nullptr) {
        return nullptr;
    }
    context->paletteInBackground = forceBackground != FALSE;
    return HandleOf<HPALETTE>(context->Select(object));
}

UINT RealizePalette(HDC dc) {
    using namespace vandrel::gdi;
    DeviceContext* context = FindDc(dc);
    const UINT mapped =
        context != nullptr ? Realize(*context->palette, !context->paletteInBackground) : GDI_ERROR;
    vandrel::hooks::RecordGdiCall("RealizePalette", {AsInt(dc), mapped});
    return mapped;
}

UINT GetSystemPaletteEntries(HDC dc, UINT start, UINT count, PALETTEENTRY* entries) {
    using namespace vandrel::gdi;
    if (FindDc(dc) == nullptr) {
        return 0;
    }
    const std::vector<PALETTEENTRY>& system = Display::Get().SystemPalette();
    if (entries == nullptr) {
        return static_cast<UINT>(system.size());
    }
    const UINT copied = EntriesInRange(system.size(), start, count);
    std::copy_n(system.begin() + start, copied, entries);
    return copied;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
    const PaletteObject* object = FindPalette(palette);
    if (object == nullptr) {
        return GDI_ERROR;
    }
    return static_cast<UINT>(
        vandrel::gdi::NearestIndex(object->entries, vandrel::gdi::RgbOf(color)));
}
