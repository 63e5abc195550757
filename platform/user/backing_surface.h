// Internal: the backing image of a painted window. Device contexts draw into
// it at any time, also outside paint messages; what they change is put on
// the screen before the drawing call returns. On the emulated palette display the
// drawing happens in system palette slots, turned into colours as it lands.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
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
    const QImage& Image() const { return m_image; }

    gdi::PixelBuffer Pixels() override;
    void PixelsChanged(const RECT& area) override;

private:
    gdi::PixelBuffer ImageBuffer();

    QPointer<QWidget> m_area;
    QImage m_image;
    std::vector<BYTE> m_slots;  // palette display only
};

}  // namespace vandrel::user
