// How blob entries reach controls. Each class has a table of typed setters
// and a list of the properties it accepts without effect here; a name in
// neither is refused, so a wrong blob is caught.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <limits>
#include <unordered_map>
#include <vector>

#include "gui/Control_p.h"
#include "gui/Legibility.h"
#include "gui/QtText.h"

namespace fw {
namespace {

using Setter = std::function<void(Control&, const PropertyEntry&)>;
using Setters = std::unordered_map<std::string_view, Setter>;

struct ClassProperties {
  Setters setters;
  std::vector<std::string_view> withoutEffect;

  // False when the class has no such property.
  bool Apply(Control& control, const PropertyEntry& entry) const {
    auto found = setters.find(entry.name);
    if (found == setters.end()) {
      return std::ranges::find(withoutEffect, entry.name) != withoutEffect.end();
    }
    found->second(control, entry);
    return true;
  }
};

// A control is found by the name it was registered under; a blob that names
// it otherwise is a wrong blob, not a rename.
void CheckName(Control& c, const PropertyEntry& e) {
  if (As<String>(e) != c.Name()) {
    throw PropertyBlobException("property blob: Name \"" + As<String>(e) +
                                "\" for the control registered as \"" + c.Name() + "\" (byte " +
                                std::to_string(e.offset) + ")");
  }
}

// An entry that goes to one setter of the widget as it is: a Boolean, or a
// text.
template <class W, class T>
Setter Passed(void (W::*set)(T)) {
  return [set](Control& c, const PropertyEntry& e) {
    if constexpr (std::is_same_v<T, bool>) {
      (WidgetAs<W>(c)->*set)(As<bool>(e));
    } else {
      static_assert(std::is_same_v<T, const QString&>);
      (WidgetAs<W>(c)->*set)(ToQString(As<String>(e)));
    }
  };
}

// Each of Left, Top, Width and Height changes one side of the geometry, in
// the layout's unit grown for the application font.
Setter Geometry(void (*change)(QWidget*, int32_t)) {
  return [change](Control& c, const PropertyEntry& e) {
    change(Control::Native::Of(c).widget, Scaled(As<int32_t>(e)));
  };
}

const ClassProperties& EveryControl() {
  static const ClassProperties properties{
      {
          {"Name", CheckName},
          {"Left", Geometry([](QWidget* w, int32_t left) { w->move(left, w->y()); })},
          {"Top", Geometry([](QWidget* w, int32_t top) { w->move(w->x(), top); })},
          {"Width", Geometry([](QWidget* w, int32_t width) { w->resize(width, w->height()); })},
          {"Height", Geometry([](QWidget* w, int32_t height) { w->resize(w->width(), height); })},
          {"TabIndex",
           [](Control& c, const PropertyEntry& e) {
             Control::Native::Of(c).tabIndex = As<int32_t>(e);
           }},
          {"Enabled", [](Control& c, const PropertyEntry& e) { c.Enabled(As<bool>(e)); }},
          {"Visible", [](Control& c, const PropertyEntry& e) { c.Visible(As<bool>(e)); }},
          {"HelpTag",
           [](Control& c, const PropertyEntry& e) {
             Control::Native::Of(c).widget->setToolTip(ToQString(As<String>(e)));
           }},
      },
      // Whatever their value: there are no control arrays (a control is
      // found by its name alone), no tab panels and no controls inside
      // others; anchoring would matter only to a window that resizes, and
      // none of the system does; Qt draws the controls of an inactive window
      // itself.
      {"Index", "LockLeft", "LockTop", "LockRight", "LockBottom", "TabPanelIndex", "InitialParent",
       "AutoDeactivate"},
  };
  return properties;
}

// The font entries, which the three text classes share.
Setter FontStyle(bool Control::Native::*style) {
  return [style](Control& c, const PropertyEntry& e) {
    Control::Native::Of(c).*style = As<bool>(e);
    Control::Native::Of(c).ApplyFont();
  };
}

Setters WithFont(Setters own) {
  own.emplace("TextFont", [](Control& c, const PropertyEntry& e) {
    Control::Native::Of(c).fontName = As<String>(e);
    Control::Native::Of(c).ApplyFont();
  });
  own.emplace("Bold", FontStyle(&Control::Native::bold));
  own.emplace("Italic", FontStyle(&Control::Native::italic));
  own.emplace("Underline", FontStyle(&Control::Native::underline));
  return own;
}

// A colour entry for one role of the widget's palette.
Setter PaletteColor(QPalette::ColorRole role) {
  return [role](Control& c, const PropertyEntry& e) {
    QWidget* widget = Control::Native::Of(c).widget;
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(As<Color>(e)));
    widget->setPalette(palette);
  };
}

Qt::Alignment Horizontal(int32_t code) {
  switch (code) {
    case 1:
      return Qt::AlignHCenter;
    case 2:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// A control that takes the focus at all takes it by Tab only with TabStop.
void TabStop(Control& c, const PropertyEntry& e) {
  QWidget* w = Control::Native::Of(c).widget;
  if (w->focusPolicy() != Qt::NoFocus) {
    w->setFocusPolicy(As<bool>(e) ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

bool ApplyOwnOrCommon(const ClassProperties& own, Control& control, const PropertyEntry& entry) {
  return own.Apply(control, entry) || EveryControl().Apply(control, entry);
}

}  // namespace

bool Control::SetProperty(const PropertyEntry& entry) {
  return EveryControl().Apply(*this, entry);
}

bool StaticText::SetProperty(const PropertyEntry& entry) {
  static const ClassProperties properties{
      WithFont({
          {"Text", [](Control& c,
                      const PropertyEntry& e) { static_cast<StaticText&>(c).Text(As<String>(e)); }},
          {"TextAlign",
           [](Control& c, const PropertyEntry& e) {
             WidgetAs<QLabel>(c)->setAlignment(Horizontal(As<int32_t>(e)) | Qt::AlignTop);
           }},
          {"TextColor", PaletteColor(QPalette::WindowText)},
          {"Multiline", Passed(&QLabel::setWordWrap)},
          {"Selectable",
           [](Control& c, const PropertyEntry& e) {
             WidgetAs<QLabel>(c)->setTextInteractionFlags(As<bool>(e) ? Qt::TextSelectableByMouse
                                                                      : Qt::NoTextInteraction);
           }},
          {"Transparent",
           [](Control& c, const PropertyEntry& e) {
             Control::Native::Of(c).widget->setAutoFillBackground(!As<bool>(e));
           }},
          {"TabStop", TabStop},
      }),
      // There is no data binding.
      {"DataSource", "DataField"},
  };
  return ApplyOwnOrCommon(properties, *this, entry);
}

bool TextField::SetProperty(const PropertyEntry& entry) {
  static const ClassProperties properties{
      WithFont({
          {"Text", [](Control& c,
                      const PropertyEntry& e) { static_cast<TextField&>(c).Text(As<String>(e)); }},
          {"TabStop", TabStop},
          {"Border", Passed(&QLineEdit::setFrame)},
          {"Password",
           [](Control& c, const PropertyEntry& e) {
             WidgetAs<QLineEdit>(c)->setEchoMode(As<bool>(e) ? QLineEdit::Password
                                                             : QLineEdit::Normal);
           }},
          {"TextColor", PaletteColor(QPalette::Text)},
          {"BackColor", PaletteColor(QPalette::Base)},
          {"CueText", Passed(&QLineEdit::setPlaceholderText)},
          {"Mask", Passed(&QLineEdit::setInputMask)},
          {"ReadOnly", Passed(&QLineEdit::setReadOnly)},
          {"LimitText",
           [](Control& c, const PropertyEntry& e) {
             int32_t limit = As<int32_t>(e);
             // 0 sets no limit: Qt's default would cut a long paste at 32767.
             WidgetAs<QLineEdit>(c)->setMaxLength(limit > 0 ? limit
                                                            : std::numeric_limits<int>::max());
           }},
          {"Alignment",
           [](Control& c, const PropertyEntry& e) {
             WidgetAs<QLineEdit>(c)->setAlignment(Horizontal(As<int32_t>(e)) | Qt::AlignVCenter);
           }},
      }),
      // Qt's style draws the focus, Tab always moves it on, and there are no
      // display formats and no data binding.
      {"UseFocusRing", "AcceptTabs", "Format", "DataSource", "DataField"},
  };
  return ApplyOwnOrCommon(properties, *this, entry);
}

bool PushButton::SetProperty(const PropertyEntry& entry) {
  static const ClassProperties properties{
      WithFont({
          {"TabStop", TabStop},
          {"Caption", Passed(&QPushButton::setText)},
          {"Default", Passed(&QPushButton::setDefault)},
          {"Cancel",
           [](Control& c, const PropertyEntry& e) {
             WidgetAs<QPushButton>(c)->setProperty("cancel", As<bool>(e));
           }},
      }),
      {},
  };
  return ApplyOwnOrCommon(properties, *this, entry);
}

bool Canvas::SetProperty(const PropertyEntry& entry) {
  static const ClassProperties properties{
      {
          {"AcceptFocus",
           [](Control& c, const PropertyEntry& e) {
             Control::Native::Of(c).widget->setFocusPolicy(As<bool>(e) ? Qt::StrongFocus
                                                                       : Qt::NoFocus);
           }},
          {"EraseBackground",
           [](Control& c, const PropertyEntry& e) {
             Control::Native::Of(c).widget->setAutoFillBackground(As<bool>(e));
           }},
      },
      // A canvas takes the focus by AcceptFocus alone and no typing; Qt's
      // style draws the focus and Qt always paints through a buffer.
      {"TabStop", "UseFocusRing", "AcceptTabs", "DoubleBuffer"},
  };
  return ApplyOwnOrCommon(properties, *this, entry);
}

}  // namespace fw
