#include "platform/user/backing_surface.h"

#include <cstdlib>

namespace vandrel::user {

namespace {

// Rows start on cache lines, as the WinG component's doubling kernels expect
// of a window image: QImage's own buffer is only 16-byte aligned, which costs
// every row of every doubled frame a head done pixel by pixel and a masked
// tail. Without the memory for that, a plain image still works.
QImage CacheAlignedImage(QSize size) {
    constexpr qsizetype kAlignment = 64;
    const qsizetype stride =
        (qsizetype{size.width()} * 4 + kAlignment - 1) / kAlignment * kAlignment;
    void* pixels = std::aligned_alloc(kAlignment, static_cast<std::size_t>(stride * size.height()));
    if (pixels == nullptr) {
        return QImage(size, QImage::Format_RGB32);
    }
    return QImage(
        static_cast<uchar*>(pixels), size.width(), size.height(), stride, QImage::Format_RGB32,
        [](void* memory) { std::free(memory); }, pixels);
}

}  // namespace

BackingSurface::BackingSurface(QWidget* area) : m_area(area) {
    Sync();
}

BackingSurface::~BackingSurface() {
    gdi::ForgetSurface(*this);
}

void BackingSurface::Sync() {
    const QSize size = m_area != nullptr ? m_area->size().expandedTo(QSize(1, 1)) : QSize(1, 1);
    if (m_image.size() == size) {
        return;
    }
    m_image = CacheAlignedImage(size);
    m_image.fill(Qt::white);
    m_slots.assign(static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()),
                   0);
}

gdi::PixelBuffer BackingSurface::ImageBuffer() {
    gdi::PixelBuffer buffer;
    buffer.topRow = m_image.bits();
    buffer.width = m_image.width();
    buffer.height = m_image.height();
    buffer.stride = m_image.bytesPerLine();
    buffer.format = gdi::PixelFormat::Xrgb32;
    return buffer;
}

gdi::PixelBuffer BackingSurface::Pixels() {
    if (gdi::DisplayPixelFormat() == gdi::PixelFormat::Xrgb32) {
        return ImageBuffer();
    }
    gdi::PixelBuffer buffer;
    buffer.topRow = m_slots.data();
    buffer.width = m_image.width();
    buffer.height = m_image.height();
    buffer.stride = m_image.width();
    buffer.format = gdi::PixelFormat::SystemIndex8;
    return buffer;
}

void BackingSurface::PixelsChanged(const RECT& area) {
    if (gdi::DisplayPixelFormat() != gdi::PixelFormat::Xrgb32) {
        gdi::ConvertToXrgb(Pixels(), area, ImageBuffer());
    }
    // Drawing reaches the screen before the call returns, as it does on the
    // display the program was written for: a frame presented outside a
    // paint message (the benchmarks) is really shown, not just written to
    // memory and coalesced with the next one.
    if (m_area != nullptr && m_area->isVisible()) {
        m_area->repaint(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
    }
}

}  // namespace vandrel::user
