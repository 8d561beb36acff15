// How blob entries reach a window, and the one way blobs are applied.
#include <algorithm>
#include <functional>
#include <unordered_map>

#include "gui/Control_p.h"
#include "gui/Legibility.h"
#include "gui/Window_p.h"

namespace fw {
namespace {

using Setter = std::function<void(Window&, Window::Native&, const PropertyEntry&)>;

// Most window entries are kept as they come and take effect when the window
// is realised.
template <class T>
Setter Store(T Window::Native::*field) {
  return [field](Window&, Window::Native& n, const PropertyEntry& e) { n.*field = As<T>(e); };
}

void ApplyBackColor(Window::Native& n) {
  n.widget->setAutoFillBackground(n.hasBackColor);
  if (n.hasBackColor) {
    QPalette palette = n.widget->palette();
    palette.setColor(QPalette::Window, ToQColor(n.backColor));
    n.widget->setPalette(palette);
  }
}

// Accepted, whatever their value, and without effect here: a compositing
// mode and a window definition of the system the layouts were drawn for,
// full-screen windows, which no layout asks for, and live resizing, which
// Qt always does.
constexpr std::string_view kWithoutEffect[] = {"Composite", "MacProcID", "FullScreen",
                                               "LiveResize"};

}  // namespace

bool Window::Native::SetProperty(const PropertyEntry& entry) {
  using N = Window::Native;
  static const std::unordered_map<std::string_view, Setter> setters = {
      {"Placement", Store(&N::placement)},
      {"Width", Store(&N::width)},
      {"Height", Store(&N::height)},
      {"MinWidth", Store(&N::minWidth)},
      {"MinHeight", Store(&N::minHeight)},
      {"MaxWidth", Store(&N::maxWidth)},
      {"MaxHeight", Store(&N::maxHeight)},
      {"Frame", Store(&N::frame)},
      {"HasBackColor",
       [](Window&, N& n, const PropertyEntry& e) {
         n.hasBackColor = As<bool>(e);
         ApplyBackColor(n);
       }},
      {"BackColor",
       [](Window&, N& n, const PropertyEntry& e) {
         n.backColor = As<Color>(e);
         ApplyBackColor(n);
       }},
      {"Title", [](Window& w, N&, const PropertyEntry& e) { w.Title(As<String>(e)); }},
      {"Visible", Store(&N::visible)},
      {"MenuBarVisible", Store(&N::menuBarVisible)},
      {"CloseButton", Store(&N::closeButton)},
      {"Resizeable", Store(&N::resizeable)},
      {"MaximizeButton", Store(&N::maximizeButton)},
      {"MinimizeButton", Store(&N::minimizeButton)},
  };
  auto found = setters.find(entry.name);
  if (found == setters.end()) {
    return std::ranges::find(kWithoutEffect, entry.name) != std::end(kWithoutEffect);
  }
  found->second(q, *this, entry);
  if (realised) {
    ApplySize();
  }
  return true;
}

namespace {
template <class SetOne>
void ApplyBlob(std::string_view blob, const char* className, const SetOne& setOne) {
  for (const auto& entry : ReadPropertyBlob(blob)) {
    if (!setOne(entry)) {
      throw PropertyBlobException("property blob: a " + String(className) + " has no property \"" +
                                  entry.name + "\" (byte " + std::to_string(entry.offset) + ")");
    }
  }
}
}  // namespace

void Control::Native::SetProperties(std::string_view blob) {
  ApplyBlob(blob, q.ClassName(), [this](const PropertyEntry& e) { return q.SetProperty(e); });
}

void SetProperties(Window& target, std::string_view blob) {
  Window::Native& n = Window::Native::Of(target);
  ApplyBlob(blob, "Window", [&n](const PropertyEntry& e) { return n.SetProperty(e); });
}

void SetProperties(Control& target, std::string_view blob) {
  Control::Native::Of(target).SetProperties(blob);
}

}  // namespace fw
