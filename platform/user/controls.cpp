#include "platform/user/controls.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/user/controls_widgets.h"
#include "platform/user/message_api.h"
#include "platform/user/window_record.h"

namespace vandrel::user {
namespace {

QVariant HandleProperty(HWND window) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(window));
}

class ToolBarWidget : public QToolBar {
public:
    ToolBarWidget(HWND window, QWidget* parent) : QToolBar(parent), m_window(window) {
        setMovable(false);
        setFloatable(false);
        setFocusPolicy(Qt::NoFocus);
        setProperty(kWindowHandleProperty, HandleProperty(window));
    }

    void SetSizes(CSize button, CSize image) {
        m_button = QSize(button.cx, button.cy);
        setIconSize(QSize(image.cx, image.cy));
        Rebuild();
    }
    void SetStrip(QImage strip) {
        m_strip = std::move(strip);
        Rebuild();
    }
    void SetButtons(std::vector<ToolBarButton> buttons) {
        m_buttons = std::move(buttons);
        Rebuild();
    }
    void SetTips(const std::vector<std::string>& tips) {
        m_tips = tips;
        Rebuild();
    }
    QAction* ActionAt(int index) const {
        return index >= 0 && index < static_cast<int>(m_actions.size())
                   ? m_actions[static_cast<std::size_t>(index)]
                   : nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
            const QVariant id = watched->property("vandrelCommand");
            if (id.isValid()) {
                const WPARAM hot = event->type() == QEvent::Enter ? id.value<UINT>() : 0;
                SendMessageA(m_window, kToolBarHotItemChanged, hot, 0);
            }
        }
        return QToolBar::eventFilter(watched, event);
    }

private:
    void Rebuild() {
        clear();
        m_actions.clear();
        const HWND owner = GetParent(m_window);
        const HWND self = m_window;
        for (std::size_t i = 0; i < m_buttons.size(); ++i) {
            const ToolBarButton& button = m_buttons[i];
            if (button.imageIndex < 0) {
                m_actions.push_back(addSeparator());
                continue;
            }
            const QSize image = iconSize();
            const QImage picture =
                m_strip.copy(button.imageIndex * image.width(), 0, image.width(), image.height());
            QAction* action = addAction(QIcon(QPixmap::fromImage(picture)), QString());
            if (i < m_tips.size()) {
                action->setToolTip(QString::fromLocal8Bit(m_tips[i].c_str()));
            }
            QWidget* widget = widgetForAction(action);
            widget->setFixedSize(m_button);
            widget->setProperty("vandrelCommand", QVariant::fromValue(button.id));
            widget->setFocusPolicy(Qt::NoFocus);
            widget->installEventFilter(this);
            const UINT id = button.id;
            QObject::connect(action, &QAction::triggered, [owner, self, id] {
                PostMessageA(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0),
                             reinterpret_cast<LPARAM>(self));
            });
            m_actions.push_back(action);
        }
    }

    HWND m_window;
    QSize m_button{23, 22};
    QImage m_strip;
    std::vector<ToolBarButton> m_buttons;
    std::vector<std::string> m_tips;
    std::vector<QAction*> m_actions;
};

class StatusBarWidget : public QStatusBar {
public:
    StatusBarWidget(HWND window, QWidget* parent) : QStatusBar(parent) {
        setProperty(kWindowHandleProperty, HandleProperty(window));
        setFocusPolicy(Qt::NoFocus);
    }

    void SetPanes(const std::vector<StatusPane>& panes) {
        for (QLabel* label : m_labels) {
            removeWidget(label);
            delete label;
        }
        m_labels.clear();
        m_widths.clear();
        for (std::size_t i = 0; i < panes.size(); ++i) {
            auto* label = new QLabel(this);
            label->setFrameShape(panes[i].border ? QFrame::Panel : QFrame::NoFrame);
            label->setFrameShadow(QFrame::Sunken);
            label->setMargin(1);
            if (panes[i].width < 0) {
                addWidget(label, 1);
            } else {
                FixWidth(label, panes[i].width);
                addPermanentWidget(label);
            }
            m_labels.push_back(label);
            m_widths.push_back(panes[i].width);
        }
    }
    // A fixed pane grows to fit a text wider than the one it was sized for,
    // so nothing it shows is ever cut; it never shrinks back, so it does not
    // jitter as the text changes.
    void SetText(int index, const QString& text) {
        QLabel* label = Pane(index);
        if (label == nullptr) {
            return;
        }
        int& width = m_widths[static_cast<std::size_t>(index)];
        const int needed = label->fontMetrics().horizontalAdvance(text);
        if (width >= 0 && needed > width) {
            width = needed;
            FixWidth(label, width);
        }
        label->setText(text);
    }
    QLabel* Pane(int index) const {
        return index >= 0 && index < static_cast<int>(m_labels.size())
                   ? m_labels[static_cast<std::size_t>(index)]
                   : nullptr;
    }
    int Count() const { return static_cast<int>(m_labels.size()); }
    int Width(int index) const { return m_widths.at(static_cast<std::size_t>(index)); }

private:
    static void FixWidth(QLabel* label, int textWidth) {
        label->setFixedWidth(textWidth + 2 * label->frameWidth() + 2 * label->margin());
    }

    std::vector<QLabel*> m_labels;
    std::vector<int> m_widths;
};

template <typename Widget>
Widget* As(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record != nullptr ? dynamic_cast<Widget*>(record->widget.data()) : nullptr;
}

}  // namespace

QWidget* CreateToolBarWidget(HWND window, QWidget* parent) {
    return new ToolBarWidget(window, parent);
}

QWidget* CreateStatusBarWidget(HWND window, QWidget* parent) {
    return new StatusBarWidget(window, parent);
}

void ToolBarSetSizes(HWND toolBar, CSize button, CSize image) {
    if (auto* bar = As<ToolBarWidget>(toolBar)) {
        bar->SetSizes(button, image);
    }
}

void ToolBarSetImageStrip(HWND toolBar, const Image32& strip) {
    if (auto* bar = As<ToolBarWidget>(toolBar)) {
        const QImage image(reinterpret_cast<const uchar*>(strip.pixels.data()), strip.width,
                           strip.height, QImage::Format_ARGB32);
        bar->SetStrip(image.copy());
    }
}

void ToolBarSetButtons(HWND toolBar, const std::vector<ToolBarButton>& buttons) {
    if (auto* bar = As<ToolBarWidget>(toolBar)) {
        bar->SetButtons(buttons);
    }
}

void ToolBarSetToolTips(HWND toolBar, const std::vector<std::string>& tips) {
    if (auto* bar = As<ToolBarWidget>(toolBar)) {
        bar->SetTips(tips);
    }
}

void ToolBarSetButtonState(HWND toolBar, int index, bool enabled, bool checked) {
    auto* bar = As<ToolBarWidget>(toolBar);
    QAction* action = bar != nullptr ? bar->ActionAt(index) : nullptr;
    if (action == nullptr || action->isSeparator()) {
        return;
    }
    action->setEnabled(enabled);
    action->setCheckable(checked);
    action->setChecked(checked);
}

ToolBarButtonState ToolBarGetButtonState(HWND toolBar, int index) {
    auto* bar = As<ToolBarWidget>(toolBar);
    const QAction* action = bar != nullptr ? bar->ActionAt(index) : nullptr;
    if (action == nullptr) {
        return {false, false};
    }
    return {action->isEnabled(), action->isChecked()};
}

int ToolBarHeight(HWND toolBar) {
    auto* bar = As<ToolBarWidget>(toolBar);
    return bar != nullptr ? bar->sizeHint().height() : 0;
}

void StatusBarSetPanes(HWND statusBar, const std::vector<StatusPane>& panes) {
    if (auto* bar = As<StatusBarWidget>(statusBar)) {
        bar->SetPanes(panes);
    }
}

void StatusBarSetText(HWND statusBar, int pane, const std::string& text) {
    if (auto* bar = As<StatusBarWidget>(statusBar)) {
        bar->SetText(pane, QString::fromLocal8Bit(text.c_str()));
    }
}

std::string StatusBarGetText(HWND statusBar, int pane) {
    auto* bar = As<StatusBarWidget>(statusBar);
    const QLabel* label = bar != nullptr ? bar->Pane(pane) : nullptr;
    return label != nullptr ? label->text().toLocal8Bit().toStdString() : std::string();
}

int StatusBarTextWidth(HWND statusBar, const std::string& text) {
    auto* bar = As<StatusBarWidget>(statusBar);
    return bar != nullptr
               ? bar->fontMetrics().horizontalAdvance(QString::fromLocal8Bit(text.c_str()))
               : 0;
}

int StatusBarPaneCount(HWND statusBar) {
    auto* bar = As<StatusBarWidget>(statusBar);
    return bar != nullptr ? bar->Count() : 0;
}

int StatusBarPaneWidth(HWND statusBar, int pane) {
    auto* bar = As<StatusBarWidget>(statusBar);
    return bar != nullptr && pane >= 0 && pane < bar->Count() ? bar->Width(pane) : 0;
}

int StatusBarHeight(HWND statusBar) {
    auto* bar = As<StatusBarWidget>(statusBar);
    return bar != nullptr ? bar->sizeHint().height() : 0;
}

}  // namespace vandrel::user
