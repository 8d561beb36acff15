#pragma once
// The Qt side of a control; only the framework's own sources include this.
#include <QPointer>
#include <QWidget>

#include "core/PropertyBlob.h"
#include "gui/Controls.h"

class QLabel;

namespace fw {

// What the control's properties set that its widget has no place for, and
// what only the Qt layer asks of a control.
struct Control::Native {
  explicit Native(Control& owner) : q(owner) {}
  static Native& Of(const Control& control) { return *control.native_; }

  Control& q;
  QPointer<QWidget> widget;
  String name;  // the one it is registered under
  int32_t tabIndex = 0;
  bool visible = true;
  // The font: "System" and size 0 are the desktop's defaults.
  String fontName = "System";
  float textSize = 0;
  bool bold = false, italic = false, underline = false;

  void ApplyFont();
  // Applies a property blob; a property the control's class lacks raises
  // PropertyBlobException.
  void SetProperties(std::string_view blob);

  // Calls the handler bound to the event, if any; the framework calls this
  // through Dispatch.
  template <class E, class... A>
  auto Raise(A&&... args) {
    using Handler = EventHandler<typename E::Signature>;
    auto found = q.handlers_.find(E::Name);
    using R = decltype(std::declval<Handler>().call(q, std::forward<A>(args)...));
    if (found == q.handlers_.end()) {
      return R();
    }
    return static_cast<Handler&>(*found->second).call(q, std::forward<A>(args)...);
  }
};

// The control's widget as the class makes it.
template <class W>
W* WidgetAs(const Control& control) {
  return static_cast<W*>(Control::Native::Of(control).widget.data());
}

// A blob entry's value; the reader has already matched its kind to the name.
template <class T>
T As(const PropertyEntry& entry) {
  return std::get<T>(entry.value);
}

// What a label draws: its text, or where that is wider than the label, the
// text cut with an ellipsis.
QString ShownLabelText(const QLabel& label);

}  // namespace fw
