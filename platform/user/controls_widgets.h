// Internal: creation of the bar controls' widgets.
#pragma once

#include <QWidget>

#include "platform/user/user_types.h"

namespace vandrel::user {

QWidget* CreateToolBarWidget(HWND window, QWidget* parent);
QWidget* CreateStatusBarWidget(HWND window, QWidget* parent);

}  // namespace vandrel::user
