// Which window is in front, bringing a window there, and tying a modal window to the window
// it blocks, so that window managers keep it above that window.
#include "gui/WindowFront.h"

#include <QApplication>
#include <QWindow>

#include "gui/Window_p.h"
#include "platform/StartupNotification.h"

namespace fw {
namespace {

// Qt's xcb plugin reads a window's types for _NET_WM_WINDOW_TYPE from this
// property; 1 is "normal".
constexpr const char* kX11WindowTypes = "_q_xcb_wm_window_type";
constexpr int kX11NormalWindow = 0x000001;

}  // namespace

QWidget* FrontmostOtherThan(const QWidget* self) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != self) {
    return active;
  }
  const auto windows = OpenWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QWidget* other = Window::Native::Of(**it).widget;
    if (other && other != self && other->isVisible()) {
      return other;
    }
  }
  return nullptr;
}

void BringForward(QWidget& window) {
  // show() and raise() leave a minimized window minimized.
  if (window.windowState() & Qt::WindowMinimized) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  }
  window.show();
  window.raise();
}

void Activate(QWidget& window, const String& token) {
  const QString platform = QGuiApplication::platformName();
  if (!token.empty() && platform.startsWith("wayland")) {
    // Qt's Wayland plugin hands this token to the compositor with the
    // activation request and takes it out of the environment.
    qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    window.activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
    return;
  }
  if (!token.empty() && platform == "xcb") {
    QWidget* focused = QApplication::activeWindow();
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    platform::PresentStartupId(x11 ? x11->connection() : nullptr,
                               static_cast<uint32_t>(window.winId()),
                               focused ? static_cast<uint32_t>(focused->winId()) : 0, token);
  }
  window.activateWindow();
}

void MakeTransientFor(QWidget& modal, QWidget* owner) {
  if (!owner) {
    return;
  }
  if (modal.windowType() != Qt::Dialog) {
    // Qt writes WM_TRANSIENT_FOR for dialogs only. The window still calls
    // itself a normal one, which keeps its own title bar and close box where
    // a desktop would attach a modal dialog to its owner without them.
    modal.winId();
    modal.windowHandle()->setProperty(kX11WindowTypes, kX11NormalWindow);
    modal.setWindowFlags((modal.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
  }
  owner->winId();
  modal.winId();
  modal.windowHandle()->setTransientParent(owner->windowHandle());
}

}  // namespace fw
