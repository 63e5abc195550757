#include "platform/user/dialog_widgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/user/dialog_template.h"
#include "platform/user/message_api.h"

namespace vandrel::user {
namespace {

QVariant HandleProperty(HWND window) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(window));
}

QString TextOf(const WindowRecord& record) {
    return QString::fromLocal8Bit(record.text.c_str());
}

QWidget* CreateStatic(const WindowRecord& record, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFocusPolicy(Qt::NoFocus);
    const DWORD type = record.style & SS_TYPEMASK;
    if (type != SS_ICON) {
        // Static texts break at words and at line breaks, and keep every
        // blank: the texts were laid out with double spaces in places.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((type == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setText(TextOf(record));
    }
    return label;
}

QWidget* CreatePushButton(const WindowRecord& record, QWidget* parent) {
    auto* button = new QPushButton(TextOf(record), parent);
    button->setDefault((record.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    button->setAutoDefault(false);
    button->setFocusPolicy((record.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::NoFocus);
    const HWND self = record.handle;
    const HWND dialog = record.parent;
    const int id = record.id;
    // Posted, as the toolbar's buttons do: the click arrives while Qt is
    // delivering events, and the program's handlers run from its own loop.
    QObject::connect(button, &QPushButton::clicked, [dialog, self, id] {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0),
                     reinterpret_cast<LPARAM>(self));
    });
    return button;
}

}  // namespace

DialogWidget::DialogWidget(HWND window, DWORD style, QWidget* owner)
    : QDialog(owner), m_window(window) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    if ((style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((style & DS_MODALFRAME) != 0) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    setWindowFlags(flags);
    // The program's dialogs are all run modally: nothing else of the
    // program takes input while one is open.
    setWindowModality(Qt::ApplicationModal);
    setProperty(kWindowHandleProperty, HandleProperty(window));
}

void DialogWidget::End(int result) {
    m_ended = true;
    m_result = result;
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    // Closing is the program's decision: the request becomes Cancel, as the
    // close box and Alt+F4 always sent it. A box whose template has no
    // system menu asks the desktop for no close box, but a desktop that
    // offers one anyway still gets an answer rather than a dead button.
    event->ignore();
    PostMessageA(m_window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
}

QWidget* CreateDialogWidget(const WindowRecord& record, QWidget* owner) {
    return new DialogWidget(record.handle, record.style, owner);
}

QWidget* CreateDialogControlWidget(const WindowRecord& record, QWidget* parent) {
    QWidget* widget = record.kind == WindowKind::Button ? CreatePushButton(record, parent)
                                                        : CreateStatic(record, parent);
    widget->setProperty(kWindowHandleProperty, HandleProperty(record.handle));
    return widget;
}

void ShowControlText(const WindowRecord& record) {
    if (auto* label = qobject_cast<QLabel*>(record.widget.data())) {
        label->setText(TextOf(record));
    } else if (auto* button = qobject_cast<QPushButton*>(record.widget.data())) {
        button->setText(TextOf(record));
    }
}

void ShowControlIcon(const WindowRecord& record, const Image32& icon) {
    auto* label = qobject_cast<QLabel*>(record.widget.data());
    if (label == nullptr) {
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height,
                       QImage::Format_ARGB32);
    label->setPixmap(QPixmap::fromImage(image.copy()));
    // An icon control is as large as its icon, whatever the template says.
    label->resize(icon.width, icon.height);
}

bool IsPushButton(const WindowRecord& record) {
    return record.kind == WindowKind::Button;
}

bool IsDefaultPushButton(const WindowRecord& record) {
    return IsPushButton(record) && (record.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

}  // namespace vandrel::user
