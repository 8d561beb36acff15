// A window's top-level widget: its size, flags and placement on the screen.
#include <QApplication>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include "gui/Accessibility.h"
#include "gui/Legibility.h"
#include "gui/WindowFront.h"
#include "gui/Window_p.h"

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

// Qt 6.4 draws a maximize button on every window on Wayland, even one of
// fixed size, and the compositor then wants the surface at the maximized
// size exactly, or ends the connection. Such a window follows that size for
// a moment, without its limits, asks to be normal again and takes its limits
// back once it is at its own size. Qt asks the compositor before it tells
// the widget, so the window's own signal is the first word of it.
void WindowWidget::showEvent(QShowEvent* event) {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle()) {
    connect(windowHandle(), &QWindow::windowStateChanged, this, &WindowWidget::FollowMaximized,
            Qt::UniqueConnection);
  }
  QWidget::showEvent(event);
}

void WindowWidget::FollowMaximized(Qt::WindowState state) {
  auto window = owner_.lock();
  if (state == Qt::WindowMaximized && window && !Window::Native::Of(*window).resizeable) {
    followingMaximized_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

// A compositor can also maximize a window on its own, and then Qt has kept
// it at its size before the widget hears of it. Before that size is drawn,
// the window drops its surface and shows a new one at its own size.
void WindowWidget::RefuseMaximized() {
  auto window = owner_.lock();
  if (!followingMaximized_ || !window || !windowState().testFlag(Qt::WindowMaximized) ||
      !windowHandle()) {
    return;
  }
  Window::Native& n = Window::Native::Of(*window);
  if (windowHandle()->geometry().size() != QSize(n.width, n.height + n.MenuBarHeight())) {
    return;  // it followed the maximized size
  }
  followingMaximized_ = false;
  setWindowState(windowState() & ~Qt::WindowMaximized);
  hide();
  DropNativeWindow();
  n.ApplySize();
  show();
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  auto window = owner_.lock();
  if (!followingMaximized_ || !window) {
    return;
  }
  Window::Native& n = Window::Native::Of(*window);
  bool ownSize = event->size() == QSize(n.width, n.height + n.MenuBarHeight());
  if (windowState().testFlag(Qt::WindowMaximized)) {
    if (!ownSize) {
      // Once this size is drawn: a compositor may ignore a request that
      // comes before the maximized surface.
      QMetaObject::invokeMethod(
          this, [this] { setWindowState(windowState() & ~Qt::WindowMaximized); },
          Qt::QueuedConnection);
    }
  } else if (ownSize) {
    // Not before: the surface keeps the size of the last maximized state
    // that it acknowledged.
    followingMaximized_ = false;
    n.ApplySize();
  }
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
