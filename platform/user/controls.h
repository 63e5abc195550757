// The two native bar controls the framework's toolbar and status bar sit on:
// a row of picture buttons with separators, and a status line of panes.
// They tell their own window about what the user does with them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/user/user_types.h"

namespace vandrel::user {

// Sent to a toolbar's own window while the mouse moves over its buttons:
// wParam is the command id of the button now under the mouse, 0 when it left.
inline constexpr UINT kToolBarHotItemChanged = WM_USER + 0x700;

// 32-bit pixels (0xAARRGGBB), top row first.
struct Image32 {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

struct ToolBarButton {
    UINT id;         // 0 for a separator
    int imageIndex;  // which image of the strip, -1 for a separator
};

void ToolBarSetSizes(HWND toolBar, CSize button, CSize image);
// Images are cut from the strip left to right at the image width.
void ToolBarSetImageStrip(HWND toolBar, const Image32& strip);
void ToolBarSetButtons(HWND toolBar, const std::vector<ToolBarButton>& buttons);
// Tooltips by button index; an empty text shows none.
void ToolBarSetToolTips(HWND toolBar, const std::vector<std::string>& tips);
void ToolBarSetButtonState(HWND toolBar, int index, bool enabled, bool checked);
struct ToolBarButtonState {
    bool enabled;
    bool checked;
};
ToolBarButtonState ToolBarGetButtonState(HWND toolBar, int index);
// The height the bar needs for its buttons.
int ToolBarHeight(HWND toolBar);

// Pane 0 given a width of -1 stretches over what the others leave.
struct StatusPane {
    int width;
    bool border;
};
void StatusBarSetPanes(HWND statusBar, const std::vector<StatusPane>& panes);
void StatusBarSetText(HWND statusBar, int pane, const std::string& text);
std::string StatusBarGetText(HWND statusBar, int pane);
// Width of `text` in the bar's font, in pixels.
int StatusBarTextWidth(HWND statusBar, const std::string& text);
int StatusBarPaneCount(HWND statusBar);
int StatusBarPaneWidth(HWND statusBar, int pane);
int StatusBarHeight(HWND statusBar);

}  // namespace vandrel::user
