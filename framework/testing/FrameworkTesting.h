#pragma once
// For tests only: the Qt widgets behind the framework's objects.
#include <QMenuBar>
#include <QWidget>

#include "Framework.h"

namespace fw::testing {

QWidget* NativeWidget(const Control& control);
// The top-level widget of a window.
QWidget* NativeWindow(const Window& window);
// The window's content area, where its controls sit.
QWidget* ContentArea(const Window& window);
QMenuBar* NativeMenuBar(const Window& window);
// Runs the menu refresh for a window as an activation would.
void RefreshMenusOf(Window& window);

}  // namespace fw::testing
