#include "bench/display_ceiling/ceiling_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace vandrel::bench {

namespace {

// A picture with detail in every row and column, so that no layer of the
// display path can take a short cut on a flat colour.
QImage MakePicture() {
    QImage image(CeilingView::kSide, CeilingView::kSide, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
        }
    }
    return image;
}

}  // namespace

CeilingView::CeilingView() : m_image(MakePicture()) {
    // The same attributes as the program's painted windows: every pixel
    // comes from the image, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(kSide, kSide);
}

void CeilingView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

}  // namespace vandrel::bench
