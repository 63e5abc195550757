// Dialog boxes made from their templates.
#include <QWidget>

#include "platform/kernel/resources.h"
#include "platform/user/dialog_api.h"
#include "platform/user/dialog_colors.h"
#include "platform/user/dialog_units.h"
#include "platform/user/dialog_widgets.h"
#include "platform/user/dib_image.h"
#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"

namespace vandrel::user {
namespace {

bool IsIcon(const DialogControl& control) {
    return control.controlClass == DialogControlClass::Static &&
           (control.style & SS_TYPEMASK) == SS_ICON;
}

void LoadIconInto(HINSTANCE instance, HWND control, LPCSTR iconName) {
    const HRSRC resource = FindResourceA(instance, iconName, RT_ICON);
    Image32 icon;
    if (resource != nullptr && DecodeIconImage(LockResource(LoadResource(instance, resource)),
                                               SizeofResource(instance, resource), &icon)) {
        ShowControlIcon(*FindWindowRecord(control), icon);
    }
}

bool CreateControl(HINSTANCE instance, HWND dialog, const DialogControl& control,
                   const hooks::DialogFontMetrics& base) {
    CREATESTRUCT cs{};
    cs.hInstance = instance;
    cs.hwndParent = dialog;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<std::intptr_t>(control.id));
    cs.style = static_cast<LONG>(control.style | WS_CHILD);
    cs.x = HorizontalPixels(control.x, base);
    cs.y = VerticalPixels(control.y, base);
    cs.cx = HorizontalPixels(control.cx, base);
    cs.cy = VerticalPixels(control.cy, base);
    // An icon's "text" names its resource and is no text at all.
    cs.lpszName = IsIcon(control) ? nullptr : control.text;
    const WindowKind kind = control.controlClass == DialogControlClass::Button ? WindowKind::Button
                                                                               : WindowKind::Static;
    const HWND created = CreateWindowObject(cs, kind, {});
    if (created == nullptr) {
        return false;
    }
    if (IsIcon(control)) {
        LoadIconInto(instance, created, control.text);
    }
    return true;
}

QPoint ClientOrigin(HWND owner) {
    const WindowRecord* record = FindWindowRecord(owner);
    if (record == nullptr || record->clientArea == nullptr) {
        return {0, 0};
    }
    return record->clientArea->mapToGlobal(QPoint(0, 0));
}

}  // namespace

HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialogTemplate, HWND owner,
                              WindowProcedure procedure) {
    std::string error;
    if (!OpenDisplay(&error)) {
        return nullptr;
    }
    const QFont font = DialogFont(dialogTemplate);
    const hooks::DialogFontMetrics base = BaseUnitsOf(font);

    CREATESTRUCT cs{};
    cs.hInstance = instance;
    cs.hwndParent = owner;
    // Shown only once its controls are there and it has initialised them.
    cs.style = static_cast<LONG>(dialogTemplate.style & ~(WS_VISIBLE | WS_CHILD));
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.lpszName = dialogTemplate.caption;
    const HWND dialog = CreateWindowObject(cs, WindowKind::Dialog, std::move(procedure));
    if (dialog == nullptr) {
        return nullptr;
    }
    QWidget& widget = *FindWindowRecord(dialog)->widget;
    widget.setFont(font);
    ApplyDialogColors(widget);
    widget.setFixedSize(HorizontalPixels(dialogTemplate.cx, base),
                        VerticalPixels(dialogTemplate.cy, base));
    widget.move(ClientOrigin(owner) + QPoint(HorizontalPixels(dialogTemplate.x, base),
                                             VerticalPixels(dialogTemplate.y, base)));
    for (const DialogControl& control : dialogTemplate.controls) {
        if (!CreateControl(instance, dialog, control, base)) {
            DestroyWindow(dialog);
            return nullptr;
        }
    }
    SendMessageA(dialog, WM_INITDIALOG, 0, 0);
    if (IsWindow(dialog) == FALSE) {
        return nullptr;
    }
    if ((dialogTemplate.style & WS_VISIBLE) != 0) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return dialog;
}

}  // namespace vandrel::user
