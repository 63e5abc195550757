// A widget that shows one fixed 512 x 512 picture the way the program's
// painted windows show their frames: a 32-bit backing image drawn unscaled in
// paintEvent, so that repainting it costs what the display path costs and
// nothing else.
#pragma once

#include <QImage>
#include <QWidget>

namespace vandrel::bench {

class CeilingView final : public QWidget {
public:
    static constexpr int kSide = 512;

    CeilingView();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

}  // namespace vandrel::bench
