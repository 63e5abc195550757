// Internal: the backing image of a painted window. Device contexts draw into
// it at any time, also outside paint messages; what they change is put on
// the screen before the drawing call returns. On the emulated palette display the
// drawing happens in system palette slots, turned into colours as it lands.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/gdi/window_surface.h"

namespace vandrel::user {

class BackingSurface final : public gdi::PixelSurface {
public:
    explicit BackingSurface(QWidget* area);
    ~BackingSurface() override;
    BackingSurface(const BackingSurface&) = delete;
    BackingSurface& operator=(const BackingSurface&) = delete;

    // Follows the size of the widget; a new size starts blank.
    void Sync();
    // The image with every drawing in it.
    const QImage& Image();
    // Brings a drawing still held into the image.
    void Settle();
    // Shows `area` of the image with a painter open on the widget.
    void Paint(QPainter& painter, const QRect& area);

    gdi::PixelBuffer Pixels() override;
    gdi::SurfaceLayout Layout() override;
    void PixelsChanged(const RECT& area) override;
    // The drawing goes straight into the screen's image when the widget is
    // painted, and into this one only when something needs it there: the
    // next drawing elsewhere, a paint that cannot take the short cut.
    void Present(std::unique_ptr<gdi::SurfaceDrawing> drawing) override;

private:
    bool PaintPendingDirectly(QPainter& painter, const QRect& area);

    QPointer<QWidget> m_area;
    QImage m_image;
    std::vector<BYTE> m_slots;  // palette display only
    // A presented drawing not yet in m_image; the image outside its area is
    // up to date.
    std::unique_ptr<gdi::SurfaceDrawing> m_pending;
};

}  // namespace vandrel::user
