// A window's top-level widget: its size, flags and placement on the screen.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

#include "gui/WidgetBacking.h"

namespace fw {

WindowWidget::WindowWidget(std::weak_ptr<Window> owner)
    : owner_(std::move(owner)), content_(new QWidget(this)) {
  InstallAccessibility();
}

int Window::Native::MenuBarHeight() const {
  return menuBar && menuBarVisible ? menuBar->sizeHint().height() : 0;
}

void Window::Native::ApplySize() {
  int bar = MenuBarHeight();
  // The layout's unit grows with a large application font, as the
  // controls' positions do.
  int w = Scaled(width), h = Scaled(height);
  widget->content()->setGeometry(0, bar, w, h);
  if (menuBar) {
    menuBar->setGeometry(0, 0, w, bar);
    menuBar->setVisible(menuBarVisible);
  }
  if (resizeable) {
    widget->setMinimumSize(Scaled(minWidth), Scaled(minHeight) + bar);
    widget->setMaximumSize(Scaled(maxWidth), Scaled(maxHeight) + bar);
    widget->resize(w, h + bar);
  } else {
    widget->setFixedSize(w, h + bar);
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

QWidget* FrontmostOtherThan(const QWidget* self) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != self) {
    return active;
  }
  const auto windows = OpenWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QWidget* other = NativeOf(**it).widget;
    if (other && other != self && other->isVisible()) {
      return other;
    }
  }
  return nullptr;
}

void Window::Native::Place() {
  QRect over;
  QSize frameSize = widget->frameGeometry().size();
  if (placement == 1) {
    if (QWidget* front = FrontmostOtherThan(widget)) {
      over = front->frameGeometry();
      // Until the window manager has framed it, its frame is taken to be
      // like the other window's: the title bar is part of what is centred.
      if (!widget->isVisible()) {
        frameSize = widget->size() + (over.size() - front->size());
      }
    }
  }
  if (over.isNull() && (placement == 1 || placement == 2) && widget->screen()) {
    over = widget->screen()->availableGeometry();
  }
  if (!over.isNull()) {
    QRect frame(QPoint(0, 0), frameSize);
    frame.moveCenter(over.center());
    widget->move(frame.topLeft());
  }
}

}  // namespace fw
