#include <QIcon>
#include <QPixmap>
#include <map>
#include <memory>
#include <string>

#include "platform/user/controls_widgets.h"
#include "platform/user/dialog_widgets.h"
#include "platform/user/menu_internal.h"
#include "platform/user/message_queue.h"
#include "platform/user/qt_host.h"
#include "platform/user/widgets.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

struct Registry {
    // Keyed by handle value, which grows with every window, so iteration is
    // creation order.
    std::map<std::uintptr_t, std::unique_ptr<WindowRecord>> windows;
    std::uintptr_t nextHandle = 0x10000;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

QWidget* MakeWidget(WindowRecord& record, QWidget* parentArea) {
    switch (record.kind) {
        case WindowKind::Frame: {
            auto* frame = new FrameWidget(record.handle);
            record.clientArea = frame->ClientArea();
            return frame;
        }
        case WindowKind::Painted: {
            auto* painted = new PaintedWidget(record.handle, parentArea);
            record.clientArea = painted;
            return painted;
        }
        case WindowKind::ToolBar:
            record.clientArea = CreateToolBarWidget(record.handle, parentArea);
            return record.clientArea;
        case WindowKind::StatusBar:
            record.clientArea = CreateStatusBarWidget(record.handle, parentArea);
            return record.clientArea;
        case WindowKind::Dialog:
            record.clientArea = CreateDialogWidget(record, parentArea);
            return record.clientArea;
        case WindowKind::Static:
        case WindowKind::Button:
            record.clientArea = CreateDialogControlWidget(record, parentArea);
            return record.clientArea;
    }
    return nullptr;
}

}  // namespace

bool Paints(const WindowRecord& record) {
    return record.kind == WindowKind::Frame || record.kind == WindowKind::Painted;
}

CRect ClientRectOf(const WindowRecord& record) {
    if (record.clientArea == nullptr) {
        return {};
    }
    return {0, 0, record.clientArea->width(), record.clientArea->height()};
}

int CaptionAllowance(const QWidget& frame) {
    const int decoration = frame.frameGeometry().height() - frame.height();
    return decoration > 0 ? decoration : GetSystemMetrics(SM_CYCAPTION);
}

WindowRecord* FindWindowRecord(HWND window) {
    auto& windows = TheRegistry().windows;
    const auto it = windows.find(reinterpret_cast<std::uintptr_t>(window));
    return it != windows.end() ? it->second.get() : nullptr;
}

LRESULT CallProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || !record->procedure) {
        return 0;
    }
    // A copy: the handler may destroy the window and with it the record.
    const WindowProcedure procedure = record->procedure;
    return procedure(window, message, wParam, lParam);
}

void SyncBacking(WindowRecord& record) {
    if (!Paints(record) || record.clientArea == nullptr) {
        return;
    }
    if (record.backing == nullptr) {
        record.backing = std::make_unique<BackingSurface>(record.clientArea);
    }
    record.backing->Sync();
}

void SettleAllDrawings() {
    for (const auto& [value, record] : TheRegistry().windows) {
        if (record->backing != nullptr) {
            record->backing->Settle();
        }
    }
}

HWND NextWindowToPaint() {
    for (const auto& [value, record] : TheRegistry().windows) {
        if (Paints(*record) && !record->destroying && !record->invalid.IsRectEmpty() &&
            IsWindowVisible(record->handle)) {
            return record->handle;
        }
    }
    return nullptr;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> result;
    for (const auto& [value, record] : TheRegistry().windows) {
        if (record->parent == nullptr && !record->destroying) {
            result.push_back(record->handle);
        }
    }
    return result;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> result;
    for (const auto& [value, record] : TheRegistry().windows) {
        if (record->parent == parent && parent != nullptr) {
            result.push_back(record->handle);
        }
    }
    return result;
}

HWND CreateWindowObject(const CREATESTRUCT& cs, WindowKind kind, WindowProcedure procedure) {
    const bool child = (cs.style & WS_CHILD) != 0;
    WindowRecord* parentRecord = FindWindowRecord(cs.hwndParent);
    std::string error;
    if (!OpenDisplay(&error) || (child && parentRecord == nullptr)) {
        // A frame's menu belongs to its window, made or not.
        if (!child && cs.hMenu != nullptr) {
            DestroyMenu(cs.hMenu);
        }
        return nullptr;
    }
    auto& registry = TheRegistry();
    auto owned = std::make_unique<WindowRecord>();
    WindowRecord& record = *owned;
    record.handle = reinterpret_cast<HWND>(registry.nextHandle++);
    record.parent = child ? cs.hwndParent : nullptr;
    record.kind = kind;
    record.procedure = std::move(procedure);
    record.style = static_cast<DWORD>(cs.style);
    record.id = child ? static_cast<int>(reinterpret_cast<std::uintptr_t>(cs.hMenu)) : 0;
    record.text = cs.lpszName != nullptr ? cs.lpszName : "";
    registry.windows.emplace(reinterpret_cast<std::uintptr_t>(record.handle), std::move(owned));

    // A child lives in its parent's client area; a dialog box is owned by
    // its parent window and stays in front of it.
    QWidget* parentWidget = nullptr;
    if (parentRecord != nullptr) {
        parentWidget = child ? parentRecord->clientArea.data() : parentRecord->widget.data();
    }
    record.widget = MakeWidget(record, parentWidget);
    if (child) {
        record.widget->setGeometry(cs.x, cs.y, std::max(0, cs.cx), std::max(0, cs.cy));
    } else {
        record.widget->setWindowTitle(QString::fromLocal8Bit(record.text.c_str()));
        if (cs.x != CW_USEDEFAULT) {
            record.widget->move(cs.x, cs.y);
        }
        if (cs.cx != CW_USEDEFAULT) {
            record.widget->resize(std::max(1, cs.cx),
                                  std::max(1, cs.cy - CaptionAllowance(*record.widget)));
        }
    }
    SyncBacking(record);
    const HWND handle = record.handle;
    if (!child && cs.hMenu != nullptr) {
        SetMenu(handle, cs.hMenu);
    }

    CREATESTRUCT created = cs;
    if (CallProcedure(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&created)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    const CRect client = ClientRectOf(record);
    SendMessageA(handle, WM_SIZE, SIZE_RESTORED,
                 static_cast<LPARAM>(static_cast<WORD>(client.Width())) |
                     (static_cast<LPARAM>(static_cast<WORD>(client.Height())) << 16));
    if ((cs.style & WS_VISIBLE) != 0) {
        ShowWindow(handle, SW_SHOW);
    }
    return handle;
}

void SetFrameIcon(HWND frame, int width, int height, const std::uint32_t* argb) {
    WindowRecord* record = FindWindowRecord(frame);
    if (record == nullptr || record->widget == nullptr) {
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(argb), width, height, QImage::Format_ARGB32);
    record->widget->setWindowIcon(QIcon(QPixmap::fromImage(image.copy())));
}

}  // namespace vandrel::user

using vandrel::user::FindWindowRecord;
using vandrel::user::WindowRecord;

BOOL IsWindow(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record != nullptr && !record->destroying ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;
    vandrel::user::CallProcedure(window, WM_DESTROY, 0, 0);
    for (HWND child : vandrel::user::ChildWindows(window)) {
        DestroyWindow(child);
    }
    vandrel::user::CallProcedure(window, WM_NCDESTROY, 0, 0);
    vandrel::user::ForgetQueuedMessages(window);
    record = FindWindowRecord(window);
    if (record->menu != nullptr) {
        DestroyMenu(record->menu);
    }
    if (record->widget != nullptr) {
        record->widget->hide();
        record->widget->deleteLater();
    }
    vandrel::user::TheRegistry().windows.erase(reinterpret_cast<std::uintptr_t>(window));
    return TRUE;
}

HWND GetParent(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record != nullptr ? record->parent : nullptr;
}

int GetDlgCtrlID(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record != nullptr ? record->id : 0;
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || size <= 0) {
        return 0;
    }
    const int count = std::min(size - 1, static_cast<int>(record->text.size()));
    std::copy_n(record->text.data(), count, buffer);
    buffer[count] = '\0';
    return count;
}

HMENU GetMenu(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record != nullptr ? record->menu : nullptr;
}

BOOL SetMenu(HWND window, HMENU menu) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || record->kind != vandrel::user::WindowKind::Frame) {
        return FALSE;
    }
    record->menu = menu;
    auto* frame = static_cast<vandrel::user::FrameWidget*>(record->widget.data());
    frame->SetMenuBar(menu != nullptr ? vandrel::user::BuildMenuBar(menu, window) : nullptr);
    return TRUE;
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            return 0;
    }
}
