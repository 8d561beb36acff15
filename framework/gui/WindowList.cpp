// The open windows: the implicit instances are found among them.
#include "gui/WindowList.h"

#include "gui/Lifecycle.h"
#include "gui/Window_p.h"

namespace fw {
namespace {

std::vector<Ref<Window>>& OpenList() {
  static std::vector<Ref<Window>> windows;
  return windows;
}

}  // namespace

void ListOpenWindow(const Ref<Window>& window) {
  OpenList().push_back(window);
}

void UnlistWindow(const Window& window) {
  std::erase_if(OpenList(),
                [&window](const Ref<Window>& w) { return w.Shared().get() == &window; });
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
    Window::Native::Of(*window).visible = false;
  }
}

}  // namespace fw
