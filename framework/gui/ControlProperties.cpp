// How blob entries reach windows and controls: one table of typed setters per
// class. A name that the class lacks is refused, so a wrong blob is caught.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <limits>
#include <unordered_map>

#include "gui/WidgetBacking.h"

namespace fw {
namespace {

QString Q(const String& text) {
  return QString::fromStdString(text);
}
template <class Target>
using Setters =
    std::unordered_map<std::string_view, std::function<void(Target&, const PropertyEntry&)>>;

template <class Target>
bool Apply(const Setters<Target>& setters, Target& target, const PropertyEntry& entry) {
  auto found = setters.find(entry.name);
  if (found == setters.end()) {
    return false;
  }
  found->second(target, entry);
  return true;
}

// A control is found by the name it was registered under; a blob that names
// it otherwise is a wrong blob, not a rename.
void CheckName(Control& c, const PropertyEntry& e) {
  if (As<String>(e) != c.Name()) {
    throw PropertyBlobException("property blob: Name \"" + As<String>(e) +
                                "\" for the control registered as \"" + c.Name() + "\" (byte " +
                                std::to_string(e.offset) + ")");
  }
}

// What every control stores or shows.
const Setters<Control>& CommonSetters() {
  static const Setters<Control> setters = {
      {"Name", CheckName},
      {"Index", [](Control& c, const PropertyEntry& e) { NativeOf(c).index = As<int32_t>(e); }},
      {"Left",
       [](Control& c, const PropertyEntry& e) {
         QWidget* w = NativeOf(c).widget;
         w->move(As<int32_t>(e), w->y());
       }},
      {"Top",
       [](Control& c, const PropertyEntry& e) {
         QWidget* w = NativeOf(c).widget;
         w->move(w->x(), As<int32_t>(e));
       }},
      {"Width",
       [](Control& c, const PropertyEntry& e) {
         QWidget* w = NativeOf(c).widget;
         w->resize(As<int32_t>(e), w->height());
       }},
      {"Height",
       [](Control& c, const PropertyEntry& e) {
         QWidget* w = NativeOf(c).widget;
         w->resize(w->width(), As<int32_t>(e));
       }},
      {"LockLeft", [](Control& c, const PropertyEntry& e) { NativeOf(c).lockLeft = As<bool>(e); }},
      {"LockTop", [](Control& c, const PropertyEntry& e) { NativeOf(c).lockTop = As<bool>(e); }},
      {"LockRight",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).lockRight = As<bool>(e); }},
      {"LockBottom",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).lockBottom = As<bool>(e); }},
      {"TabPanelIndex",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).tabPanelIndex = As<int32_t>(e); }},
      {"TabIndex",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).tabIndex = As<int32_t>(e); }},
      {"Enabled", [](Control& c, const PropertyEntry& e) { c.Enabled(As<bool>(e)); }},
      {"Visible", [](Control& c, const PropertyEntry& e) { c.Visible(As<bool>(e)); }},
      {"HelpTag", [](Control& c,
                     const PropertyEntry& e) { NativeOf(c).widget->setToolTip(Q(As<String>(e))); }},
      {"AutoDeactivate",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).autoDeactivate = As<bool>(e); }},
      {"InitialParent",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).initialParent = As<String>(e); }},
  };
  return setters;
}

// The font and data-binding entries of the text controls.
const Setters<Control>& TextSetters() {
  static const Setters<Control> setters = {
      {"TextFont",
       [](Control& c, const PropertyEntry& e) {
         NativeOf(c).fontName = As<String>(e);
         NativeOf(c).ApplyFont();
       }},
      {"Bold",
       [](Control& c, const PropertyEntry& e) {
         NativeOf(c).bold = As<bool>(e);
         NativeOf(c).ApplyFont();
       }},
      {"Italic",
       [](Control& c, const PropertyEntry& e) {
         NativeOf(c).italic = As<bool>(e);
         NativeOf(c).ApplyFont();
       }},
      {"Underline",
       [](Control& c, const PropertyEntry& e) {
         NativeOf(c).underline = As<bool>(e);
         NativeOf(c).ApplyFont();
       }},
      {"DataSource",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).dataSource = As<String>(e); }},
      {"DataField",
       [](Control& c, const PropertyEntry& e) { NativeOf(c).dataField = As<String>(e); }},
  };
  return setters;
}

void SetTextColor(QWidget* widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget->palette();
  palette.setColor(role, ToQColor(color));
  widget->setPalette(palette);
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

bool TabStop(Control& c, const PropertyEntry& e) {
  NativeOf(c).tabStop = As<bool>(e);
  QWidget* w = NativeOf(c).widget;
  if (w->focusPolicy() != Qt::NoFocus) {
    w->setFocusPolicy(NativeOf(c).tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
  return true;
}

template <class Target>
bool ApplyAll(Target& target, const PropertyEntry& entry, const Setters<Control>& own) {
  return Apply(own, static_cast<Control&>(target), entry) ||
         Apply(CommonSetters(), static_cast<Control&>(target), entry);
}

}  // namespace

bool Control::SetProperty(const PropertyEntry& entry) {
  return Apply(CommonSetters(), *this, entry);
}

bool StaticText::SetProperty(const PropertyEntry& entry) {
  static const Setters<Control> setters = [] {
    Setters<Control> s = TextSetters();
    auto label = [](Control& c) { return static_cast<QLabel*>(NativeOf(c).widget.data()); };
    s["Text"] = [](Control& c, const PropertyEntry& e) {
      static_cast<StaticText&>(c).Text(As<String>(e));
    };
    s["TextAlign"] = [label](Control& c, const PropertyEntry& e) {
      label(c)->setAlignment(Horizontal(As<int32_t>(e)) | Qt::AlignTop);
    };
    s["TextColor"] = [](Control& c, const PropertyEntry& e) {
      SetTextColor(NativeOf(c).widget, QPalette::WindowText, As<Color>(e));
    };
    s["Multiline"] = [label](Control& c, const PropertyEntry& e) {
      label(c)->setWordWrap(As<bool>(e));
    };
    s["Selectable"] = [label](Control& c, const PropertyEntry& e) {
      label(c)->setTextInteractionFlags(As<bool>(e) ? Qt::TextSelectableByMouse
                                                    : Qt::NoTextInteraction);
    };
    s["Transparent"] = [](Control& c, const PropertyEntry& e) {
      NativeOf(c).widget->setAutoFillBackground(!As<bool>(e));
    };
    s["TabStop"] = [](Control& c, const PropertyEntry& e) { TabStop(c, e); };
    return s;
  }();
  return ApplyAll(*this, entry, setters);
}

bool TextField::SetProperty(const PropertyEntry& entry) {
  static const Setters<Control> setters = [] {
    Setters<Control> s = TextSetters();
    auto field = [](Control& c) { return static_cast<QLineEdit*>(NativeOf(c).widget.data()); };
    s["Text"] = [](Control& c, const PropertyEntry& e) {
      static_cast<TextField&>(c).Text(As<String>(e));
    };
    s["TabStop"] = [](Control& c, const PropertyEntry& e) { TabStop(c, e); };
    s["Border"] = [field](Control& c, const PropertyEntry& e) { field(c)->setFrame(As<bool>(e)); };
    s["Password"] = [field](Control& c, const PropertyEntry& e) {
      field(c)->setEchoMode(As<bool>(e) ? QLineEdit::Password : QLineEdit::Normal);
    };
    s["UseFocusRing"] = [](Control&, const PropertyEntry&) {};
    s["TextColor"] = [](Control& c, const PropertyEntry& e) {
      SetTextColor(NativeOf(c).widget, QPalette::Text, As<Color>(e));
    };
    s["BackColor"] = [](Control& c, const PropertyEntry& e) {
      SetTextColor(NativeOf(c).widget, QPalette::Base, As<Color>(e));
    };
    s["Format"] = [](Control&, const PropertyEntry&) {};
    s["CueText"] = [field](Control& c, const PropertyEntry& e) {
      field(c)->setPlaceholderText(Q(As<String>(e)));
    };
    s["Mask"] = [field](Control& c, const PropertyEntry& e) {
      field(c)->setInputMask(Q(As<String>(e)));
    };
    s["ReadOnly"] = [field](Control& c, const PropertyEntry& e) {
      field(c)->setReadOnly(As<bool>(e));
    };
    s["LimitText"] = [field](Control& c, const PropertyEntry& e) {
      int32_t limit = As<int32_t>(e);
      // 0 sets no limit: Qt's default would cut a long paste at 32767.
      field(c)->setMaxLength(limit > 0 ? limit : std::numeric_limits<int>::max());
    };
    s["AcceptTabs"] = [](Control&, const PropertyEntry&) {};
    s["Alignment"] = [field](Control& c, const PropertyEntry& e) {
      field(c)->setAlignment(Horizontal(As<int32_t>(e)) | Qt::AlignVCenter);
    };
    return s;
  }();
  return ApplyAll(*this, entry, setters);
}

bool PushButton::SetProperty(const PropertyEntry& entry) {
  static const Setters<Control> setters = [] {
    Setters<Control> s = TextSetters();
    s.erase("DataSource");
    s.erase("DataField");
    auto button = [](Control& c) { return static_cast<QPushButton*>(NativeOf(c).widget.data()); };
    s["TabStop"] = [](Control& c, const PropertyEntry& e) { TabStop(c, e); };
    s["Caption"] = [button](Control& c, const PropertyEntry& e) {
      button(c)->setText(Q(As<String>(e)));
    };
    s["Default"] = [button](Control& c, const PropertyEntry& e) {
      button(c)->setDefault(As<bool>(e));
    };
    s["Cancel"] = [button](Control& c, const PropertyEntry& e) {
      button(c)->setProperty("cancel", As<bool>(e));
    };
    return s;
  }();
  return ApplyAll(*this, entry, setters);
}

bool Canvas::SetProperty(const PropertyEntry& entry) {
  static const Setters<Control> setters = {
      {"TabStop", [](Control& c, const PropertyEntry& e) { NativeOf(c).tabStop = As<bool>(e); }},
      {"UseFocusRing", [](Control&, const PropertyEntry&) {}},
      {"AcceptFocus",
       [](Control& c, const PropertyEntry& e) {
         NativeOf(c).widget->setFocusPolicy(As<bool>(e) ? Qt::StrongFocus : Qt::NoFocus);
       }},
      {"AcceptTabs", [](Control&, const PropertyEntry&) {}},
      {"DoubleBuffer", [](Control&, const PropertyEntry&) {}},
      {"EraseBackground",
       [](Control& c, const PropertyEntry& e) {
         NativeOf(c).widget->setAutoFillBackground(As<bool>(e));
       }},
  };
  return ApplyAll(*this, entry, setters);
}

}  // namespace fw
