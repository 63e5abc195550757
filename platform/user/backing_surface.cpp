#include "platform/user/backing_surface.h"

#include <QPaintEngine>
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

// A 32-bit image as the graphics layer draws into it.
gdi::PixelBuffer XrgbBufferOf(QImage& image) {
    gdi::PixelBuffer buffer;
    buffer.topRow = image.bits();
    buffer.width = image.width();
    buffer.height = image.height();
    buffer.stride = image.bytesPerLine();
    buffer.format = gdi::PixelFormat::Xrgb32;
    return buffer;
}

QRect ToQRect(const RECT& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The image a painter really draws into, and where the painted widget's
// origin lies in it, when both allow writing pixels there ourselves: a
// raster image of 32-bit colours in the order window images have them (with
// or without alpha: drawings written there are opaque), one device pixel
// per pixel, and a plain offset. Null otherwise.
QImage* ScreenImageOf(QPainter& painter, QPoint& origin) {
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster || painter.hasClipping()) {
        return nullptr;
    }
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* image = static_cast<QImage*>(device);
    // Not detached, the image's pixels would first be copied by bits().
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
         format != QImage::Format_ARGB32_Premultiplied) ||
        image->devicePixelRatio() != 1.0 || !image->isDetached()) {
        return nullptr;
    }
    const QTransform transform = painter.deviceTransform();
    const QPointF offset(transform.dx(), transform.dy());
    origin = offset.toPoint();
    if (transform.type() > QTransform::TxTranslate || QPointF(origin) != offset) {
        return nullptr;
    }
    return image;
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
    m_pending.reset();
    m_image = CacheAlignedImage(size);
    m_image.fill(Qt::white);
    m_slots.assign(static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()),
                   0);
}

gdi::PixelBuffer BackingSurface::Pixels() {
    Settle();
    if (gdi::DisplayPixelFormat() == gdi::PixelFormat::Xrgb32) {
        return XrgbBufferOf(m_image);
    }
    gdi::PixelBuffer buffer;
    buffer.topRow = m_slots.data();
    buffer.width = m_image.width();
    buffer.height = m_image.height();
    buffer.stride = m_image.width();
    buffer.format = gdi::PixelFormat::SystemIndex8;
    return buffer;
}

gdi::SurfaceLayout BackingSurface::Layout() {
    return {m_image.width(), m_image.height(), gdi::DisplayPixelFormat()};
}

const QImage& BackingSurface::Image() {
    Settle();
    return m_image;
}

void BackingSurface::Settle() {
    if (m_pending == nullptr) {
        return;
    }
    const QRect area = ToQRect(m_pending->Area());
    if (m_image.rect().contains(area)) {
        m_pending->DrawAt(XrgbBufferOf(m_image), area.x(), area.y(),
                          gdi::SurfaceDrawing::TopByte::kZero);
    }
    m_pending.reset();
}

void BackingSurface::Present(std::unique_ptr<gdi::SurfaceDrawing> drawing) {
    const QRect area = ToQRect(drawing->Area());
    // One drawing waits at a time; one it does not wholly cover goes into
    // the image first.
    if (m_pending != nullptr && !area.contains(ToQRect(m_pending->Area()))) {
        Settle();
    }
    m_pending = std::move(drawing);
    if (m_area != nullptr && m_area->isVisible()) {
        m_area->repaint(area);
    }
}

void BackingSurface::Paint(QPainter& painter, const QRect& area) {
    if (m_pending != nullptr && PaintPendingDirectly(painter, area)) {
        const QRegion rest = QRegion(area).subtracted(ToQRect(m_pending->Area()));
        for (const QRect& part : rest) {
            painter.drawImage(part, m_image, part);
        }
        return;
    }
    painter.drawImage(area, Image(), area);
}

bool BackingSurface::PaintPendingDirectly(QPainter& painter, const QRect& area) {
    const QRect pending = ToQRect(m_pending->Area());
    QPoint origin;
    QImage* screen = area.contains(pending) ? ScreenImageOf(painter, origin) : nullptr;
    if (screen == nullptr) {
        return false;
    }
    // Only where the painter may draw: inside the screen image and the
    // window system's clip (none when empty), both in device pixels.
    const QRect target = pending.translated(origin);
    const QRegion clip = painter.paintEngine()->systemClip();
    if (!screen->rect().contains(target) ||
        (!clip.isEmpty() && !QRegion(target).subtracted(clip).isEmpty())) {
        return false;
    }
    m_pending->DrawAt(XrgbBufferOf(*screen), target.x(), target.y(),
                      gdi::SurfaceDrawing::TopByte::kOpaque);
    return true;
}

void BackingSurface::PixelsChanged(const RECT& area) {
    if (gdi::DisplayPixelFormat() != gdi::PixelFormat::Xrgb32) {
        gdi::ConvertToXrgb(Pixels(), area, XrgbBufferOf(m_image));
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
