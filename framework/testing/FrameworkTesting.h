#pragma once
// For tests only: the Qt widgets behind the framework's objects.
#include <QMenuBar>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "Framework.h"

namespace fw::testing {

// While one lives, a paste's clipboard read waits until the test answers it.
class HeldClipboard {
 public:
  HeldClipboard();
  ~HeldClipboard();
  HeldClipboard(const HeldClipboard&) = delete;
  HeldClipboard& operator=(const HeldClipboard&) = delete;

  // Reads asked for and not answered yet.
  int Pending() const;
  // Answers the oldest read with TEXT; nullopt abandons it.
  void Answer(std::optional<QString> text);

 private:
  struct Source;
  std::unique_ptr<Source> source_;
};

QWidget* NativeWidget(const Control& control);
// The top-level widget of a window.
QWidget* NativeWindow(const Window& window);
// The window's content area, where its controls sit.
QWidget* ContentArea(const Window& window);
QMenuBar* NativeMenuBar(const Window& window);
// What a label draws: its text, or the text cut with an ellipsis.
QString ShownText(const StaticText& label);
// The colour the label draws its text in, on the palette in use.
QColor DrawnTextColor(const StaticText& label);
// The factor by which the layouts grow for the application font.
double LayoutScale();
// Runs the menu refresh for a window as an activation would.
void RefreshMenusOf(Window& window);
// The window's own step of the menu refresh, on the items given.
void EnableMenuItemsOf(Window& window, const std::vector<Ref<MenuItem>>& items);
// Raises MouseDown on the control as a press would, and gives its handler's
// answer.
bool RaiseMouseDown(Control& control, int32_t x, int32_t y);
// Receives every address ShowURL hands on, instead of the desktop; empty
// restores the desktop.
void CaptureShowURL(std::function<void(const String&)> sink);
// Points ExecutableFile at another path; empty restores the real one.
void SetExecutableFile(const std::filesystem::path& path);

}  // namespace fw::testing
