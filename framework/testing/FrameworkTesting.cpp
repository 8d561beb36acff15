#include "testing/FrameworkTesting.h"

#include <QLabel>

#include "gui/WidgetBacking.h"

namespace fw::testing {

QWidget* NativeWidget(const Control& control) {
  return NativeOf(control).widget;
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
QString ShownText(const StaticText& label) {
  return ShownLabelText(*qobject_cast<QLabel*>(NativeOf(label).widget.data()));
}
QColor DrawnTextColor(const StaticText& label) {
  return ReadableTextColor(*NativeOf(label).widget);
}
double LayoutScale() {
  return fw::LayoutScale();
}
void RefreshMenusOf(Window& window) {
  RefreshMenus(window);
}
void EnableMenuItemsOf(Window& window, const std::vector<Ref<MenuItem>>& items) {
  Backing::EnableMenuItems(window, items);
}
bool RaiseMouseDown(Control& control, int32_t x, int32_t y) {
  return Backing::Raise<events::MouseDown>(control, x, y);
}

}  // namespace fw::testing
