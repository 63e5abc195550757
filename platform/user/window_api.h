// Windows: the tree, their rectangles, visibility and painting, under the
// original names, plus the layer's own creation call that the framework uses.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/user/user_types.h"

// Win32-style window calls. Rectangles of windows are in screen coordinates,
// client rectangles start at (0, 0) and exclude the menu bar.
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND window, int showCommand);
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
BOOL IsZoomed(HWND window);
BOOL DestroyWindow(HWND window);
HWND GetParent(HWND window);
int GetDlgCtrlID(HWND window);
int GetWindowTextA(HWND window, LPSTR buffer, int size);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL UpdateWindow(HWND window);
// Starts painting the invalid area: erases it first (WM_ERASEBKGND) when an
// erase is pending, validates it, and returns a context drawing into the
// window's backing image. EndPaint releases the context.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL SetMenu(HWND window, HMENU menu);
HMENU GetMenu(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int GetSystemMetrics(int index);

namespace vandrel::user {

using WindowProcedure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// What a window is on screen: a top-level frame with a menu bar and a painted
// client area, a painted child, one of the two native bar controls, or a
// dialog box and the static texts, icons and buttons on it.
enum class WindowKind { Frame, Painted, ToolBar, StatusBar, Dialog, Static, Button };

// Creates a window of `kind` from `cs` (position, size, style, parent and the
// child id carried in hMenu) and sends it WM_CREATE and then WM_SIZE. The
// procedure gets every message of the window, the first being WM_CREATE; a
// result of -1 from it destroys the window again and yields null.
HWND CreateWindowObject(const CREATESTRUCT& cs, WindowKind kind, WindowProcedure procedure);

// The frames in creation order, for broadcasts.
std::vector<HWND> TopLevelWindows();
// Children of `parent` in creation order.
std::vector<HWND> ChildWindows(HWND parent);

// The icon shown for a frame, as 32-bit pixels (0xAARRGGBB), top row first.
void SetFrameIcon(HWND frame, int width, int height, const std::uint32_t* argb);

}  // namespace vandrel::user
