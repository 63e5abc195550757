// Internal: the Qt widgets behind windows. A frame is a top-level widget with
// a menu bar over a painted client area; painted windows show their backing
// image. Their Qt events become messages in the queue.
#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include "platform/user/user_types.h"

namespace vandrel::user {

class PaintedWidget : public QWidget {
public:
    PaintedWidget(HWND window, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HWND m_window;
};

class FrameWidget : public QWidget {
public:
    explicit FrameWidget(HWND window);

    PaintedWidget* ClientArea() const { return m_client; }
    // Replaces the menu bar; null removes it. The widget takes ownership.
    void SetMenuBar(QMenuBar* menuBar);
    int MenuBarHeight() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayOut();

    HWND m_window;
    QPointer<QMenuBar> m_menuBar;
    PaintedWidget* m_client;
};

}  // namespace vandrel::user
