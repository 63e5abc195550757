// The layer's own record of each window: what the original system kept
// behind a window handle. Internal to the layer.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/user/backing_surface.h"
#include "platform/user/window_api.h"

namespace vandrel::user {

// The widget property that holds the handle of the window a widget stands for.
inline constexpr const char* kWindowHandleProperty = "vandrelWindow";

struct WindowRecord {
    HWND handle = nullptr;
    HWND parent = nullptr;
    WindowKind kind = WindowKind::Painted;
    WindowProcedure procedure;
    DWORD style = 0;
    int id = 0;
    std::string text;
    HMENU menu = nullptr;
    // The outer widget, and the widget whose area is the client area and
    // holds the child windows' widgets (the same one except for frames).
    QPointer<QWidget> widget;
    QPointer<QWidget> clientArea;
    // Painted windows keep their pixels here between paints, so exposure
    // never needs the program to repaint.
    std::unique_ptr<BackingSurface> backing;
    CRect invalid;  // empty when nothing needs painting
    bool erasePending = false;
    bool visible = false;
    bool destroying = false;
};

WindowRecord* FindWindowRecord(HWND window);
// Sends a message straight to a window's procedure; 0 for an unknown window.
LRESULT CallProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Keeps the backing image as large as the client area.
void SyncBacking(WindowRecord& record);
// Brings the drawings every window's backing image holds into it.
void SettleAllDrawings();
// The first visible window with something to paint, or null.
HWND NextWindowToPaint();
// Frames and painted children have backing images; bar controls paint
// themselves.
bool Paints(const WindowRecord& record);
CRect ClientRectOf(const WindowRecord& record);
// How much taller a frame's window is than its widget: the caption.
int CaptionAllowance(const QWidget& frame);

}  // namespace vandrel::user
