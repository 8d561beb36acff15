#pragma once
// The Qt side of a window; only the framework's own sources include this.
#include <QPointer>
#include <QWidget>

#include "core/LayoutEntries.h"
#include "gui/Window.h"

class QMenuBar;

namespace fw {

// The top-level widget of a window: a menu bar when the window has one, and
// below it the content area where controls sit at their exact positions.
class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(std::weak_ptr<Window> owner);
  QWidget* content() const { return content_; }
  // Drops the native window of a hidden widget; showing makes a new one.
  void DropNativeWindow() { destroy(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FollowMaximized(Qt::WindowState state);
  void RefuseMaximized();

  std::weak_ptr<Window> owner_;
  QWidget* content_;
  // A window of fixed size that the compositor maximized: without its
  // limits until it is back at its own size.
  bool followingMaximized_ = false;
};

// The Qt side of a window: its widgets, what its blob set that they have no
// place for, and what only the Qt layer asks of a window. Until the blob
// sets them, a window has the values that a layout row starts from, so the
// defaults are given once.
struct Window::Native {
  static constexpr layout::Window kLaidOut{};

  explicit Native(Window& owner) : q(owner) {}
  static Native& Of(const Window& window) { return *window.native_; }

  Window& q;
  QPointer<WindowWidget> widget;
  QPointer<QMenuBar> menuBar;
  int32_t placement = kLaidOut.Placement;
  int32_t width = kLaidOut.Width;
  int32_t height = kLaidOut.Height;
  int32_t minWidth = kLaidOut.MinWidth;
  int32_t minHeight = kLaidOut.MinHeight;
  int32_t maxWidth = kLaidOut.MaxWidth;
  int32_t maxHeight = kLaidOut.MaxHeight;
  int32_t frame = kLaidOut.Frame;
  bool hasBackColor = kLaidOut.HasBackColor;
  Color backColor = kLaidOut.BackColor;
  bool visible = kLaidOut.Visible;
  bool menuBarVisible = kLaidOut.MenuBarVisible;
  bool closeButton = kLaidOut.CloseButton;
  bool resizeable = kLaidOut.Resizeable;
  bool maximizeButton = kLaidOut.MaximizeButton;
  bool minimizeButton = kLaidOut.MinimizeButton;
  bool realised = false;

  void ApplySize();
  void ApplyFlags();
  void Place();
  int MenuBarHeight() const;
  // The tab order and first focus, then showing a window marked visible.
  void Realise();

  // The menu refresh: enables each listed item that has a handler here,
  // and never disables one.
  void EnableMenuItems(const std::vector<Ref<MenuItem>>& items);
  // Runs the handler registered under the item's name; False when none.
  bool HandleMenuCommand(const String& itemName);
  // The closing step: CancelClose, then the controls, then the lists.
  void UnifiedClose(bool appQuitting);
  // Sets one blob entry; False when a window has no such property.
  bool SetProperty(const PropertyEntry& entry);
};

}  // namespace fw
