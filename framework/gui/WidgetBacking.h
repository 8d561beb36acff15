#pragma once
// The Qt side of windows, controls and pictures; only the framework's own
// sources include this.
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "core/LayoutEntries.h"
#include "core/Runtime.h"
#include "gui/QtText.h"
#include "gui/Window.h"

class QLabel;
class QMenuBar;

namespace fw {

struct Picture::Native {
  QImage image;
};

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

// The Qt side of a window: its widgets, and what its blob set that they have
// no place for. Until the blob sets them, a window has the values that a
// layout row starts from, so the defaults are given once.
struct Window::Native {
  static constexpr layout::Window kLaidOut{};

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
};

// The Qt side of a control: its widget, and what its properties set that
// the widget has no place for.
struct Control::Native {
  QPointer<QWidget> widget;
  String name;  // the one it is registered under
  int32_t tabIndex = 0;
  bool visible = true;
  // The font: "System" and size 0 are the desktop's defaults.
  String fontName = "System";
  float textSize = 0;
  bool bold = false, italic = false, underline = false;

  void ApplyFont();
};

// The Qt layer's way to what windows and controls keep from the program's
// code.
struct Backing {
  static Window::Native& Of(const Window& window) { return *window.native_; }
  static Control::Native& Of(const Control& control) { return *control.native_; }
  static bool SetProperty(Window& window, const PropertyEntry& entry) {
    return window.SetProperty(entry);
  }
  static bool SetProperty(Control& control, const PropertyEntry& entry) {
    return control.SetProperty(entry);
  }
  static void UnifiedClose(Window& window, bool appQuitting) { window.UnifiedClose(appQuitting); }
  static void EnableMenuItems(Window& window, const std::vector<Ref<MenuItem>>& items) {
    window.EnableMenuItems(items);
  }
  static bool HandleMenuCommand(Window& window, const String& itemName) {
    return window.HandleMenuCommand(itemName);
  }
  template <class E, class... A>
  static auto Raise(Control& control, A&&... args) {
    return control.Raise<E>(std::forward<A>(args)...);
  }
};

inline Window::Native& NativeOf(const Window& window) {
  return Backing::Of(window);
}
inline Control::Native& NativeOf(const Control& control) {
  return Backing::Of(control);
}
// The control's widget as the class makes it.
template <class W>
W* WidgetAs(const Control& control) {
  return static_cast<W*>(NativeOf(control).widget.data());
}

// The window a new window opens over and a modal one blocks: the active
// window, else the newest visible one (without a window manager no window is
// active).
QWidget* FrontmostOtherThan(const QWidget* self);
// Shown, no longer minimized, raised.
void BringForward(QWidget& window);
// Gives the window the keyboard focus; a launcher's start-up token, when
// there is one, lets it past a desktop's focus-stealing prevention.
void Activate(QWidget& window, const String& token);
// The modal window belongs to its owner: kept above it, out of the taskbar.
// Called while the modal window is hidden.
void MakeTransientFor(QWidget& modal, QWidget* owner);

// The list of open windows: a window joins it as its construction starts and
// leaves it when it closes.
void ListOpenWindow(const Ref<Window>& window);
void UnlistWindow(const Window& window);

// A blob entry's value; the reader has already matched its kind to the name.
template <class T>
T As(const PropertyEntry& entry) {
  return std::get<T>(entry.value);
}

inline QColor ToQColor(Color c) {
  return QColor(c.red, c.green, c.blue);
}

// What a label draws: its text, or where that is wider than the label, the
// text cut with an ellipsis.
QString ShownLabelText(const QLabel& label);

// The layouts were drawn for the default font (DejaVu Sans 9 pt). A larger
// application font makes positions, sizes and fixed text sizes grow by the
// same factor, as dialog units do; a smaller one shrinks nothing.
double LayoutScale();
int Scaled(int32_t length);
// The colour a label draws its text in: the one its layout gives where that
// reads on the background in use, else the same hue made readable.
QColor ReadableTextColor(const QWidget& label);
// Labels that a click acts on: the keyboard reaches them after the window's
// other controls, and one that is underlined is a link.
bool IsPressable(const QWidget* widget);
bool IsLink(const QWidget* widget);
// Names and roles for assistive technology; installed once.
void InstallAccessibility();

// The menu refresh and menu commands of one window.
void RefreshMenus(Window& window);
QMenuBar* BuildMenuBar(QWidget* parent, const Ref<MenuBar>& model, std::weak_ptr<Window> owner);

}  // namespace fw
