// What reaches a window from Qt, and its menu handlers.
#include <QCloseEvent>
#include <QKeyEvent>

#include "core/Runtime.h"
#include "gui/MenuBarView.h"
#include "gui/Window_p.h"

namespace fw {

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The window leaves by the framework's closing step, which hides it.
  event->ignore();
  if (auto window = owner_.lock()) {
    Dispatch([&] { Window::Native::Of(*window).UnifiedClose(false); });
  }
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  auto window = owner_.lock();
  bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  bool isEscape = event->key() == Qt::Key_Escape;
  if (window && (isReturn || isEscape)) {
    // Outside a dialog Qt has no default button; the window presses it.
    for (const auto& control : window->Controls()) {
      auto button = Cast<PushButton>(control);
      if (!button.IsNil() && button->Visible() && button->Enabled() &&
          (isReturn ? button->Default() : button->Cancel())) {
        button->Push();
        event->accept();
        return;
      }
    }
    // A modal window with a close button and no Cancel button closes on
    // Escape as by that button.
    auto& n = Window::Native::Of(*window);
    if (isEscape && isModal() && n.closeButton) {
      close();
      event->accept();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void WindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (auto window = owner_.lock()) {
      Dispatch([&] { RefreshMenus(*window); });
    }
  }
  if (event->type() == QEvent::WindowStateChange) {
    RefuseMaximized();
  }
  QWidget::changeEvent(event);
}

void Window::AddMenuHandler(const String& itemName, std::function<bool(Window&)> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const String& itemName) const {
  return menuHandlers_.count(itemName) > 0;
}

void Window::Native::EnableMenuItems(const std::vector<Ref<MenuItem>>& items) {
  for (const auto& item : items) {
    if (q.HasMenuHandler(item->Name())) {
      item->Enable();
    }
  }
}

bool Window::Native::HandleMenuCommand(const String& itemName) {
  auto found = q.menuHandlers_.find(itemName);
  if (found == q.menuHandlers_.end()) {
    return false;
  }
  auto keep = q.shared_from_this();  // the handler may close this window
  return found->second(q);
}

}  // namespace fw
