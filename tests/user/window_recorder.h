// Real windows of the window system whose procedure records every message,
// for the window-system tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"
#include "platform/user/window_api.h"

namespace vandrel::testing {

struct RecordedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class WindowRecorder {
public:
    // A top-level frame (or a painted child of `parent`) with the given rectangle.
    HWND Create(HWND parent = nullptr, RECT rect = RECT{0, 0, 200, 100}) {
        CREATESTRUCT cs{};
        cs.hwndParent = parent;
        cs.style = parent != nullptr ? static_cast<LONG>(WS_CHILD | WS_VISIBLE)
                                     : static_cast<LONG>(WS_OVERLAPPEDWINDOW);
        cs.x = rect.left;
        cs.y = rect.top;
        cs.cx = rect.right - rect.left;
        cs.cy = rect.bottom - rect.top;
        cs.hMenu = parent != nullptr ? reinterpret_cast<HMENU>(std::uintptr_t{7}) : nullptr;
        const auto kind = parent != nullptr ? vandrel::user::WindowKind::Painted
                                            : vandrel::user::WindowKind::Frame;
        const HWND window = vandrel::user::CreateWindowObject(
            cs, kind, [this](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
                messages.push_back({hWnd, message, wParam, lParam});
                return DefWindowProcA(hWnd, message, wParam, lParam);
            });
        EXPECT_NE(window, nullptr);
        windows.push_back(window);
        return window;
    }

    // Message numbers received by `window`, in order, leaving out those in `ignored`.
    std::vector<UINT> Received(HWND window, const std::vector<UINT>& ignored = {}) const {
        std::vector<UINT> result;
        for (const RecordedMessage& m : messages) {
            if (m.window == window &&
                std::find(ignored.begin(), ignored.end(), m.message) == ignored.end()) {
                result.push_back(m.message);
            }
        }
        return result;
    }

    ~WindowRecorder() {
        for (HWND window : windows) {
            DestroyWindow(window);
        }
        // What is left in the queue belongs to windows now gone.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    std::vector<RecordedMessage> messages;
    std::vector<HWND> windows;
};

// Lets Qt deliver what showing or moving windows caused, dispatching it.
inline void DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            break;
        }
        DispatchMessageA(&msg);
    }
}

inline void OpenTestDisplay() {
    std::string error;
    ASSERT_TRUE(vandrel::user::OpenDisplay(&error)) << error;
}

}  // namespace vandrel::testing
