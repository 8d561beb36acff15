#pragma once
#include <map>
#include <memory>

#include "core/PropertyBlob.h"
#include "gui/Events.h"
#include "gui/Picture.h"

namespace fw {

class Window;
class MouseCursor;

// The framework's FontUnits. 0, the default, is the unit that the layouts
// give sizes in and the only one the system sets: TextUnit takes it and
// changes nothing.
using FontUnits = int32_t;

// What every control of a window has (the RectControl of the framework).
// What only the Qt layer calls is in Control::Native (gui/Control_p.h).
class Control : public std::enable_shared_from_this<Control> {
 public:
  struct Native;
  Control();
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Builds the control's widget in its window; Window::New calls it.
  void Constructor();

  const String& Name() const;
  Ref<fw::Window> Window() const;
  bool Visible() const;
  void Visible(bool visible);
  bool Enabled() const;
  void Enabled(bool enabled);
  void SetFocus();
  void MouseCursor(Ref<fw::MouseCursor> cursor);
  int32_t TabIndex() const;
  virtual const char* ClassName() const = 0;
  bool HasHandler(const char* eventName) const { return handlers_.count(eventName) > 0; }

 protected:
  // The class's own widget, made as a child of the window's content area.
  virtual void MakeWidget() = 0;
  // Sets one blob entry; False when this class has no such property.
  virtual bool SetProperty(const PropertyEntry& entry);

 private:
  friend class fw::Window;
  template <class E, class W, class C, class R, class... A>
  friend void InstallInstanceEventHandler(Control& control, R (W::*handler)(C& me, A... args));

  void Attach(std::weak_ptr<fw::Window> window) { window_ = std::move(window); }
  void InstallHandler(const char* eventName, std::unique_ptr<EventHandlerBase> handler);

  std::unique_ptr<Native> native_;
  std::weak_ptr<fw::Window> window_;
  std::map<String, std::unique_ptr<EventHandlerBase>, std::less<>> handlers_;
};

class StaticText : public Control {
 public:
  String Text() const;
  void Text(const String& text);
  void TextSize(float size);
  void TextUnit(FontUnits) {}
  // Names the control this text stands in front of, for assistive
  // technology; nothing on screen changes.
  void Labels(Control& control);
  const char* ClassName() const override { return "StaticText"; }

 protected:
  void MakeWidget() override;
  bool SetProperty(const PropertyEntry& entry) override;
};

class TextField : public Control {
 public:
  String Text() const;
  void Text(const String& text);
  void TextUnit(FontUnits) {}
  const char* ClassName() const override { return "TextField"; }

 protected:
  void MakeWidget() override;
  bool SetProperty(const PropertyEntry& entry) override;
};

class PushButton : public Control {
 public:
  String Caption() const;
  void TextUnit(FontUnits) {}
  bool Default() const;
  bool Cancel() const;
  // Presses the button as a click would.
  void Push();
  const char* ClassName() const override { return "PushButton"; }

 protected:
  void MakeWidget() override;
  bool SetProperty(const PropertyEntry& entry) override;
};

// The font properties that a window's code sets on a text control before
// its blob: a label's text size where one is given, then the unit.
struct CodeSetFont {
  float TextSize = 0;  // 0 sets none
  FontUnits TextUnit = 0;

  void operator()(StaticText& label) const {
    if (TextSize > 0) {
      label.TextSize(TextSize);
    }
    label.TextUnit(TextUnit);
  }
  void operator()(TextField& field) const { field.TextUnit(TextUnit); }
  void operator()(PushButton& button) const { button.TextUnit(TextUnit); }
};

class Canvas : public Control {
 public:
  Ref<Picture> Backdrop() const { return backdrop_; }
  // Nil leaves the canvas empty.
  void Backdrop(Ref<Picture> picture);
  const char* ClassName() const override { return "Canvas"; }

 protected:
  void MakeWidget() override;
  bool SetProperty(const PropertyEntry& entry) override;

 private:
  Ref<Picture> backdrop_;
};

}  // namespace fw
