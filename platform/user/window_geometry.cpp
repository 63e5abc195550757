// Where windows are, how large, and whether they show.
#include <QWidget>

#include "platform/user/message_api.h"
#include "platform/user/window_record.h"

using vandrel::user::FindWindowRecord;
using vandrel::user::WindowRecord;

BOOL GetClientRect(HWND window, RECT* rect) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    *rect = vandrel::user::ClientRectOf(*record);
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || record->widget == nullptr) {
        return FALSE;
    }
    const QWidget& widget = *record->widget;
    if (widget.isWindow()) {
        const QRect frame = widget.frameGeometry();
        *rect = CRect(frame.left(), frame.top(), frame.left() + frame.width(),
                      frame.top() + frame.height());
    } else {
        const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
        *rect = CRect(origin.x(), origin.y(), origin.x() + widget.width(),
                      origin.y() + widget.height());
    }
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || record->widget == nullptr) {
        return FALSE;
    }
    QWidget& widget = *record->widget;
    const QSize oldClient = record->clientArea->size();
    if (widget.isWindow()) {
        widget.move(x, y);
        widget.resize(std::max(1, width),
                      std::max(1, height - vandrel::user::CaptionAllowance(widget)));
    } else {
        const QRect old = widget.geometry();
        widget.setGeometry(x, y, std::max(0, width), std::max(0, height));
        if (repaint != FALSE) {
            // What the window used to cover is the parent's to paint again.
            const CRect uncovered(old.left(), old.top(), old.left() + old.width(),
                                  old.top() + old.height());
            InvalidateRect(record->parent, &uncovered, TRUE);
        }
    }
    vandrel::user::SyncBacking(*record);
    if (repaint != FALSE) {
        InvalidateRect(window, nullptr, TRUE);
    }
    const QSize client = record->clientArea->size();
    if (client != oldClient && !widget.isWindow()) {
        SendMessageA(window, WM_SIZE, SIZE_RESTORED,
                     static_cast<LPARAM>(static_cast<WORD>(client.width())) |
                         (static_cast<LPARAM>(static_cast<WORD>(client.height())) << 16));
    }
    return TRUE;
}

BOOL ShowWindow(HWND window, int showCommand) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || record->widget == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    QWidget& widget = *record->widget;
    record->visible = showCommand != SW_HIDE;
    if (!widget.isWindow()) {
        widget.setVisible(record->visible);
    } else {
        switch (showCommand) {
            case SW_HIDE:
                widget.hide();
                break;
            case SW_SHOWMAXIMIZED:
                widget.showMaximized();
                break;
            case SW_SHOWMINIMIZED:
                widget.showMinimized();
                break;
            case SW_RESTORE:
            case SW_SHOWNORMAL:
                widget.showNormal();
                break;
            default:
                widget.show();
                break;
        }
        if (record->visible) {
            widget.activateWindow();
            record->clientArea->setFocus();
        }
    }
    if (record->visible) {
        record->style |= WS_VISIBLE;
        InvalidateRect(window, nullptr, TRUE);
    } else {
        record->style &= ~WS_VISIBLE;
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND window) {
    for (const WindowRecord* record = FindWindowRecord(window); record != nullptr;
         record = FindWindowRecord(record->parent)) {
        if (!record->visible) {
            return FALSE;
        }
        if (record->parent == nullptr) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL IsZoomed(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record != nullptr && record->widget != nullptr && record->widget->isMaximized() ? TRUE
                                                                                           : FALSE;
}
