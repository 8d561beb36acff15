// A window object: its construction, showing and closing, its title, menu
// bar and controls.
#include "gui/Window.h"

#include <QApplication>
#include <QMenuBar>
#include <algorithm>

#include "gui/Activation.h"
#include "gui/Lifecycle.h"
#include "gui/WidgetBacking.h"

namespace fw {
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
  ListOpenWindow(shared_from_this());
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
    UnlistWindow(*this);
    throw;
  }
}

void Window::Realise() {
  auto& n = *native_;
  n.ApplyFlags();
  n.ApplySize();
  std::vector<Ref<fw::Control>> order = controls_;
  // Labels that a click acts on come after the other controls, in reading
  // order; the layouts gave them no place in the tab order.
  auto pressable = [](const Ref<fw::Control>& c) { return IsPressable(NativeOf(*c).widget); };
  auto position = [](const Ref<fw::Control>& c) {
    QWidget* w = NativeOf(*c).widget;
    return std::pair(w->y(), w->x());
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](const Ref<fw::Control>& a, const Ref<fw::Control>& b) {
                     if (pressable(a) != pressable(b)) {
                       return pressable(b);
                     }
                     if (pressable(a)) {
                       return position(a) < position(b);
                     }
                     return a->TabIndex() < b->TabIndex();
                   });
  QWidget* previous = nullptr;
  Ref<fw::Control> first;
  for (const auto& control : order) {
    QWidget* widget = NativeOf(*control).widget;
    if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) {
      continue;
    }
    if (previous) {
      QWidget::setTabOrder(previous, widget);
    }
    // A window opens with the focus on a field or button, never on a label.
    if (first.IsNil() && !IsPressable(widget)) {
      first = control;
    }
    previous = widget;
  }
  if (!first.IsNil()) {
    first->SetFocus();
  } else {
    // Else Qt would give a link the focus when the window activates.
    n.widget->setFocus(Qt::OtherFocusReason);
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
  BringForward(*n.widget);
  // A modal window that blocks this one stays above it and takes the focus.
  QWidget* front = n.widget;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != front) {
    BringForward(*modal);
    front = modal;
  }
  Activate(*front, TakeActivationToken());
}

void Window::ShowModal() {
  auto& n = *native_;
  if (!n.widget) {
    return;
  }
  if (n.widget->windowModality() != Qt::ApplicationModal) {
    // Qt takes a new modality only while the window is hidden.
    bool shown = n.widget->isVisible();
    QWidget* owner = FrontmostOtherThan(n.widget);
    n.widget->hide();
    // A window manager can lose a window that is mapped again right after
    // it was withdrawn; a new native window has no such past.
    n.widget->DropNativeWindow();
    n.widget->setWindowModality(Qt::ApplicationModal);
    MakeTransientFor(*n.widget, owner);
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
    if (QWidget* widget = NativeOf(*control).widget) {
      widget->hide();
    }
  }
  if (native_->widget) {
    native_->widget->hide();
  }
  open_ = false;
  // The object lives on while a caller holds it: the event that closed it
  // finishes first.
  UnlistWindow(*this);
  if (!appQuitting) {
    WindowClosed();
  }
}

String Window::Title() const {
  return native_->widget ? FromQString(native_->widget->windowTitle()) : String();
}

void Window::Title(const String& title) {
  if (native_->widget) {
    native_->widget->setWindowTitle(ToQString(title));
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
  NativeOf(*control).name = name;
  controls_.push_back(control);
  controlsByName_[name] = std::move(control);
}

}  // namespace fw
