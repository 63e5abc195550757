#include "platform/user/backing_surface.h"

namespace vandrel::user {

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
    m_image = QImage(size, QImage::Format_RGB32);
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
