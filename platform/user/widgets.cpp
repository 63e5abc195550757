#include "platform/user/widgets.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/user/message_api.h"
#include "platform/user/window_record.h"

namespace vandrel::user {

PaintedWidget::PaintedWidget(HWND window, QWidget* parent) : QWidget(parent), m_window(window) {
    // Every pixel comes from the backing image, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setProperty(kWindowHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(window)));
}

void PaintedWidget::paintEvent(QPaintEvent* event) {
    const WindowRecord* record = FindWindowRecord(m_window);
    if (record == nullptr || record->backing == nullptr) {
        return;
    }
    QPainter painter(this);
    record->backing->Paint(painter, event->rect());
}

FrameWidget::FrameWidget(HWND window)
    : m_window(window), m_client(new PaintedWidget(window, this)) {
    setProperty(kWindowHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(window)));
}

void FrameWidget::SetMenuBar(QMenuBar* menuBar) {
    delete m_menuBar;
    m_menuBar = menuBar;
    if (menuBar != nullptr) {
        menuBar->setParent(this);
        menuBar->show();
    }
    LayOut();
}

int FrameWidget::MenuBarHeight() const {
    return m_menuBar != nullptr ? m_menuBar->sizeHint().height() : 0;
}

void FrameWidget::LayOut() {
    const int menuHeight = MenuBarHeight();
    if (m_menuBar != nullptr) {
        m_menuBar->setGeometry(0, 0, width(), menuHeight);
    }
    m_client->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
}

void FrameWidget::resizeEvent(QResizeEvent* /*event*/) {
    LayOut();
    WindowRecord* record = FindWindowRecord(m_window);
    if (record == nullptr) {
        return;
    }
    SyncBacking(*record);
    InvalidateRect(m_window, nullptr, TRUE);
    const WPARAM kind = isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    const auto size = static_cast<LPARAM>(static_cast<WORD>(m_client->width())) |
                      (static_cast<LPARAM>(static_cast<WORD>(m_client->height())) << 16);
    PostMessageA(m_window, WM_SIZE, kind, size);
}

void FrameWidget::closeEvent(QCloseEvent* event) {
    // The program decides whether and how to close: the request becomes
    // WM_CLOSE, whose default handling destroys the window.
    event->ignore();
    PostMessageA(m_window, WM_CLOSE, 0, 0);
}

void FrameWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        PostMessageA(m_window, WM_ACTIVATE, isActiveWindow() ? WA_ACTIVE : WA_INACTIVE, 0);
    }
    QWidget::changeEvent(event);
}

}  // namespace vandrel::user
