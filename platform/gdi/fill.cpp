// Filling rectangles with brushes and outlining them with pens.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/display.h"
#include "platform/gdi/gdi.h"

namespace {

using vandrel::gdi::DeviceContext;
using vandrel::gdi::PixelBuffer;
using vandrel::gdi::PixelFormat;

std::uint32_t PixelValue(const PixelBuffer& target, COLORREF color) {
    const vandrel::gdi::Rgb rgb = vandrel::gdi::RgbOf(color);
    switch (target.format) {
        case PixelFormat::Xrgb32:
            return vandrel::gdi::Xrgb(rgb);
        case PixelFormat::SystemIndex8:
            return static_cast<std::uint32_t>(
                vandrel::gdi::Display::Get().NearestAddressableSlot(rgb));
        case PixelFormat::TableIndex8:
            return static_cast<std::uint32_t>(
                vandrel::gdi::NearestIndex(std::span(target.colorTable, 256), rgb));
    }
    return 0;
}

// Fills [left, right) x [top, bottom), clipped to the image, and reports it.
void Fill(const DeviceContext& context, const PixelBuffer& target, RECT area, COLORREF color) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, target.width);
    area.bottom = std::min(area.bottom, target.height);
    if (area.left >= area.right || area.top >= area.bottom) {
        return;
    }
    const std::uint32_t value = PixelValue(target, color);
    const std::size_t count = static_cast<std::size_t>(area.right - area.left);
    for (int y = area.top; y < area.bottom; ++y) {
        BYTE* row = target.Row(y);
        if (target.format == PixelFormat::Xrgb32) {
            std::fill_n(reinterpret_cast<std::uint32_t*>(row) + area.left, count, value);
        } else {
            std::fill_n(row + area.left, count, static_cast<BYTE>(value));
        }
    }
    context.Changed(area);
}

}  // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    using namespace vandrel::gdi;
    const DeviceContext* context = FindDc(dc);
    const BrushObject* object = FindObjectOf<BrushObject>(brush, ObjectKind::Brush);
    if (context == nullptr || rect == nullptr || object == nullptr) {
        return 0;
    }
    if (const std::optional<PixelBuffer> target = context->Target(); target && !object->hollow) {
        Fill(*context, *target, *rect, object->color);
    }
    return 1;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    using namespace vandrel::gdi;
    const DeviceContext* context = FindDc(dc);
    if (context == nullptr) {
        return FALSE;
    }
    const std::optional<PixelBuffer> target = context->Target();
    if (!target) {
        return TRUE;
    }
    const int l = std::min(left, right);
    const int r = std::max(left, right);
    const int t = std::min(top, bottom);
    const int b = std::max(top, bottom);
    const PenObject& pen = *context->pen;
    const BrushObject& brush = *context->brush;
    if (pen.null) {
        // Without an outline the figure is one pixel smaller each way, as the
        // outline would have taken the right and bottom edges.
        if (!brush.hollow) {
            Fill(*context, *target, {l, t, r - 1, b - 1}, brush.color);
        }
        return TRUE;
    }
    if (!brush.hollow) {
        Fill(*context, *target, {l + 1, t + 1, r - 1, b - 1}, brush.color);
    }
    Fill(*context, *target, {l, t, r, t + 1}, pen.color);
    Fill(*context, *target, {l, b - 1, r, b}, pen.color);
    Fill(*context, *target, {l, t, l + 1, b}, pen.color);
    Fill(*context, *target, {r - 1, t, r, b}, pen.color);
    return TRUE;
}
