#include "testing/FrameworkTesting.h"

#include <QLabel>
#include <deque>

#include "gui/Control_p.h"
#include "gui/Desktop_p.h"
#include "gui/FolderItem_p.h"
#include "gui/Legibility.h"
#include "gui/MenuBarView.h"
#include "gui/Paste.h"
#include "gui/Window_p.h"

namespace fw::testing {

struct HeldClipboard::Source : ClipboardSource {
  std::deque<ClipboardAnswer> waiting;
  void ReadText(ClipboardAnswer answer) override { waiting.push_back(std::move(answer)); }
};

HeldClipboard::HeldClipboard() : source_(std::make_unique<Source>()) {
  UseClipboardSource(source_.get());
}
HeldClipboard::~HeldClipboard() {
  UseClipboardSource(nullptr);
}
int HeldClipboard::Pending() const {
  return static_cast<int>(source_->waiting.size());
}
void HeldClipboard::Answer(std::optional<QString> text) {
  if (source_->waiting.empty()) {
    return;
  }
  ClipboardAnswer answer = std::move(source_->waiting.front());
  source_->waiting.pop_front();
  answer(std::move(text));
}

QWidget* NativeWidget(const Control& control) {
  return Control::Native::Of(control).widget;
}
QWidget* NativeWindow(const Window& window) {
  return Window::Native::Of(window).widget;
}
QWidget* ContentArea(const Window& window) {
  auto* widget = Window::Native::Of(window).widget.data();
  return widget ? widget->content() : nullptr;
}
QMenuBar* NativeMenuBar(const Window& window) {
  return Window::Native::Of(window).menuBar;
}
QString ShownText(const StaticText& label) {
  return ShownLabelText(*qobject_cast<QLabel*>(Control::Native::Of(label).widget.data()));
}
QColor DrawnTextColor(const StaticText& label) {
  return ReadableTextColor(*Control::Native::Of(label).widget);
}
double LayoutScale() {
  return fw::LayoutScale();
}
void RefreshMenusOf(Window& window) {
  RefreshMenus(window);
}
void EnableMenuItemsOf(Window& window, const std::vector<Ref<MenuItem>>& items) {
  Window::Native::Of(window).EnableMenuItems(items);
}
bool RaiseMouseDown(Control& control, int32_t x, int32_t y) {
  return Control::Native::Of(control).Raise<events::MouseDown>(x, y);
}
void CaptureShowURL(std::function<void(const String&)> sink) {
  UrlOpener() = std::move(sink);
}
void SetExecutableFile(const std::filesystem::path& path) {
  ExecutableOverride() = path;
}

}  // namespace fw::testing
