#include "testing/FrameworkTesting.h"

#include "gui/WidgetBacking.h"

namespace fw::testing {

QWidget* NativeWidget(const Control& control) {
  return control.native().widget;
}
QWidget* NativeWindow(const Window& window) {
  return NativeOf(window).widget;
}
QWidget* ContentArea(const Window& window) {
  auto* widget = NativeOf(window).widget.data();
  return widget ? widget->content() : nullptr;
}
QMenuBar* NativeMenuBar(const Window& window) {
  return NativeOf(window).menuBar;
}
void RefreshMenusOf(Window& window) {
  RefreshMenus(window);
}

}  // namespace fw::testing
