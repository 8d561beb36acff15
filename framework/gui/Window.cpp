// A window object: its construction, showing and closing, its title, menu
// bar and controls.
#include "gui/Window.h"

#include <QApplication>
#include <QMenuBar>
#include <algorithm>

#include "gui/Activation.h"
#include "gui/Control_p.h"
#include "gui/Legibility.h"
#include "gui/Lifecycle.h"
#include "gui/MenuBarView.h"
#include "gui/QtText.h"
#include "gui/WindowFront.h"
#include "gui/WindowList.h"
#include "gui/Window_p.h"

namespace fw {
Window::Window(String fullClassName)
    : fullClassName_(std::move(fullClassName)), native_(std::make_unique<Native>(*this)) {}

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
    native_->Realise();
  } catch (...) {
    // A window that could not be built is no window of its class.
    open_ = false;
    UnlistWindow(*this);
    throw;
  }
}

void Window::Native::Realise() {
  ApplyFlags();
  ApplySize();
  std::vector<Ref<fw::Control>> order = q.controls_;
  // Labels that a click acts on come after the other controls, in reading
  // order; the layouts gave them no place in the tab order.
  auto pressable = [](const Ref<fw::Control>& c) {
    return IsPressable(Control::Native::Of(*c).widget);
  };
  auto position = [](const Ref<fw::Control>& c) {
    QWidget* w = Control::Native::Of(*c).widget;
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
    QWidget* widget = Control::Native::Of(*control).widget;
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
    widget->setFocus(Qt::OtherFocusReason);
  }
  realised = true;
  if (visible) {
    Place();
    widget->show();
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
  native_->UnifiedClose(false);
}

void Window::Native::UnifiedClose(bool appQuitting) {
  if (!q.open_ || q.Event_CancelClose(appQuitting)) {
    return;
  }
  for (const auto& control : q.controls_) {
    if (QWidget* widget = Control::Native::Of(*control).widget) {
      widget->hide();
    }
  }
  if (widget) {
    widget->hide();
  }
  q.open_ = false;
  // The object lives on while a caller holds it: the event that closed it
  // finishes first.
  UnlistWindow(q);
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
  Control::Native::Of(*control).name = name;
  controls_.push_back(control);
  controlsByName_[name] = std::move(control);
}

}  // namespace fw
