#include "gui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "gui/WidgetBacking.h"

namespace fw {
namespace {

std::vector<Ref<Window>>& OpenList() {
  static std::vector<Ref<Window>> windows;
  return windows;
}

void Unlist(const Window* window) {
  auto& list = OpenList();
  std::erase_if(list, [window](const Ref<Window>& w) { return w.Shared().get() == window; });
}

QString Q(const String& text) {
  return QString::fromStdString(text);
}

}  // namespace

Window::Native& NativeOf(const Window& window) {
  return window.native();
}

WindowWidget::WindowWidget(std::weak_ptr<Window> owner)
    : owner_(std::move(owner)), content_(new QWidget(this)) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The window leaves by the framework's closing step, which hides it.
  event->ignore();
  if (auto window = owner_.lock()) {
    Dispatch([&] { window->UnifiedClose(false); });
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
  }
  QWidget::keyPressEvent(event);
}

void WindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (auto window = owner_.lock()) {
      Dispatch([&] { RefreshMenus(*window); });
    }
  }
  QWidget::changeEvent(event);
}

int Window::Native::MenuBarHeight() const {
  return menuBar && menuBarVisible ? menuBar->sizeHint().height() : 0;
}

void Window::Native::ApplySize() {
  int bar = MenuBarHeight();
  widget->content()->setGeometry(0, bar, width, height);
  if (menuBar) {
    menuBar->setGeometry(0, 0, width, bar);
    menuBar->setVisible(menuBarVisible);
  }
  if (resizeable) {
    widget->setMinimumSize(minWidth, minHeight + bar);
    widget->setMaximumSize(maxWidth, maxHeight + bar);
    widget->resize(width, height + bar);
  } else {
    widget->setFixedSize(width, height + bar);
  }
}

void Window::Native::ApplyFlags() {
  Qt::WindowFlags flags = frame == 8 ? Qt::Dialog : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton) {
    flags |= Qt::WindowCloseButtonHint;
  }
  if (minimizeButton) {
    flags |= Qt::WindowMinimizeButtonHint;
  }
  if (maximizeButton && resizeable) {
    flags |= Qt::WindowMaximizeButtonHint;
  }
  widget->setWindowFlags(flags);
}

namespace {
// The active window, else the newest visible one: without a window manager
// no window is active.
QWidget* FrontmostOtherThan(const QWidget* self) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != self) {
    return active;
  }
  const auto& windows = OpenList();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QWidget* other = NativeOf(**it).widget;
    if (other && other != self && other->isVisible()) {
      return other;
    }
  }
  return nullptr;
}
}  // namespace

void Window::Native::Place() {
  QRect over;
  if (placement == 1) {
    if (QWidget* front = FrontmostOtherThan(widget)) {
      over = front->frameGeometry();
    }
  }
  if (over.isNull() && (placement == 1 || placement == 2) && widget->screen()) {
    over = widget->screen()->availableGeometry();
  }
  if (!over.isNull()) {
    QRect frame(QPoint(0, 0), widget->size());
    frame.moveCenter(over.center());
    widget->move(frame.topLeft());
  }
}

Window::Window(String fullClassName)
    : fullClassName_(std::move(fullClassName)), native_(std::make_unique<Native>()) {}

Window::~Window() {
  if (native_->widget) {
    native_->widget->hide();
    native_->widget->deleteLater();
  }
}

void Window::Constructor() {
  native_->widget = new WindowWidget(weak_from_this());
  native_->widget->setAttribute(Qt::WA_DeleteOnClose, false);
  OpenList().push_back(shared_from_this());
  open_ = true;
  try {
    Layout();
    CreateControls();
    AddMenuHandlers(*this);
    Event_Open();
    Realise();
  } catch (...) {
    // A window that could not be built is no window of its class.
    open_ = false;
    Unlist(this);
    throw;
  }
}

void Window::Realise() {
  auto& n = *native_;
  n.ApplyFlags();
  n.ApplySize();
  std::vector<Ref<fw::Control>> order = controls_;
  std::stable_sort(order.begin(), order.end(),
                   [](const Ref<fw::Control>& a, const Ref<fw::Control>& b) {
                     return a->TabIndex() < b->TabIndex();
                   });
  QWidget* previous = nullptr;
  QWidget* first = nullptr;
  for (const auto& control : order) {
    QWidget* widget = control->native().widget;
    if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) {
      continue;
    }
    if (previous) {
      QWidget::setTabOrder(previous, widget);
    } else {
      first = widget;
    }
    previous = widget;
  }
  if (first) {
    first->setFocus(Qt::OtherFocusReason);
  }
  n.realised = true;
  if (n.visible) {
    n.Place();
    n.widget->show();
  }
}

void Window::Show() {
  auto& n = *native_;
  n.visible = true;
  if (!n.realised || !n.widget) {
    return;
  }
  n.widget->show();
  n.widget->raise();
  n.widget->activateWindow();
}

void Window::ShowModal() {
  auto& n = *native_;
  if (!n.widget) {
    return;
  }
  if (n.widget->windowModality() != Qt::ApplicationModal) {
    // Qt takes a new modality only while the window is hidden.
    bool shown = n.widget->isVisible();
    n.widget->hide();
    n.widget->setWindowModality(Qt::ApplicationModal);
    if (!shown) {
      n.Place();
    }
  }
  n.visible = true;
  n.widget->show();
  n.widget->raise();
  n.widget->activateWindow();
}

void Window::Close() {
  UnifiedClose(false);
}

void Window::UnifiedClose(bool appQuitting) {
  if (!open_ || Event_CancelClose(appQuitting)) {
    return;
  }
  for (const auto& control : controls_) {
    if (QWidget* widget = control->native().widget) {
      widget->hide();
    }
  }
  if (native_->widget) {
    native_->widget->hide();
  }
  open_ = false;
  // The object lives on while a caller holds it: the event that closed it
  // finishes first.
  Unlist(this);
}

String Window::Title() const {
  return native_->widget ? native_->widget->windowTitle().toStdString() : String();
}

void Window::Title(const String& title) {
  if (native_->widget) {
    native_->widget->setWindowTitle(Q(title));
  }
}

void Window::MenuBar(Ref<fw::MenuBar> bar) {
  menuBar_ = std::move(bar);
  auto& n = *native_;
  delete n.menuBar;
  if (!menuBar_.IsNil() && n.widget) {
    n.menuBar = BuildMenuBar(n.widget, menuBar_, weak_from_this());
  }
  if (n.realised) {
    n.ApplySize();
  }
}

void Window::AddControl(const String& name, Ref<fw::Control> control) {
  control.Get();
  control->native().name = name;
  controls_.push_back(control);
  controlsByName_[name] = std::move(control);
}

void Window::AddMenuHandler(const String& itemName, std::function<bool(Window&)> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const String& itemName) const {
  return menuHandlers_.count(itemName) > 0;
}

void Window::EnableMenuItems(const std::vector<Ref<MenuItem>>& items) {
  for (const auto& item : items) {
    if (HasMenuHandler(item->Name())) {
      item->Enable();
    }
  }
}

bool Window::HandleMenuCommand(const String& itemName) {
  auto found = menuHandlers_.find(itemName);
  if (found == menuHandlers_.end()) {
    return false;
  }
  auto keep = shared_from_this();  // the handler may close this window
  return found->second(*this);
}

Ref<Window> GetImplicitWindow(const String& fullClassName) {
  for (const auto& window : OpenList()) {
    if (window->FullClassName() == fullClassName && window->IsOpen()) {
      return window;
    }
  }
  return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
  return OpenList();
}

void RuntimeReleaseWindowLists() {
  // No code of the system runs here: the windows are dropped, not closed.
  auto windows = std::move(OpenList());
  OpenList().clear();
  for (const auto& window : windows) {
    window->native().visible = false;
  }
}

}  // namespace fw
