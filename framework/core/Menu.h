#pragma once
// The menu tree is a model: windows that show a menu bar build their native
// menus from it.
#include <optional>
#include <vector>

#include "core/Ref.h"

namespace fw {

class MenuItem : public std::enable_shared_from_this<MenuItem> {
 public:
  virtual ~MenuItem() = default;
  // The item's no-argument constructor; the C++ one has already run.
  virtual void Constructor() {}

  const String& Name() const { return name_; }
  void Name(const String& name) { name_ = name; }
  const String& Text() const { return text_; }
  void Text(const String& text) { text_ = text; }
  // "Cmd+" and one letter, or empty for none; never assigned on separators.
  const String& KeyboardShortcut() const { return shortcut_ ? *shortcut_ : empty_; }
  void KeyboardShortcut(const String& shortcut) { shortcut_ = shortcut; }
  bool KeyboardShortcutAssigned() const { return shortcut_.has_value(); }
  bool AutoEnable() const { return autoEnable_; }
  void AutoEnable(bool on) { autoEnable_ = on; }
  bool Enabled() const { return enabled_; }
  void Enabled(bool on) { enabled_ = on; }
  void Enable() { enabled_ = true; }
  bool IsSeparator() const { return text_ == "-"; }

  // Adds after the existing items: the order of appending is the order shown.
  void Append(Ref<MenuItem> item);
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  Ref<MenuItem> Item(int32_t index) const;
  // A direct sub-item by name, or Nil.
  Ref<MenuItem> Child(const String& name) const;
  // Any item below this one by name, depth first in menu order, or Nil.
  Ref<MenuItem> Lookup(const String& name) const;

  // The item's Action event; True when the item handled the command itself.
  virtual bool Event_Action() { return false; }

 private:
  String name_;
  String text_;
  std::optional<String> shortcut_;
  bool autoEnable_ = false;
  bool enabled_ = true;
  std::vector<Ref<MenuItem>> items_;
  static inline const String empty_;
};

// What the framework does by itself to the focused text field of the window
// whose menu an item was chosen from.
enum class FieldEdit { Undo, Cut, Copy, Paste, Delete, SelectAll };

class MenuBar : public MenuItem {
 public:
  // The item named NAME does OP, unless a handler of the window takes it
  // first; the framework then also enables it by the field's state.
  void FieldEditItem(const String& name, FieldEdit op);
  std::optional<FieldEdit> FieldEditOf(const String& name) const;

 private:
  std::vector<std::pair<String, FieldEdit>> fieldEdits_;
};

// Stands for the About item.
class AppleMenuItem : public MenuItem {};

// Quits the application on its own Action.
class QuitMenuItem : public MenuItem {
 public:
  bool Event_Action() override;
};

// The framework's quit action: the event loop ends after the current event.
bool QuitMenuAction(MenuItem& item);

// Every item below root, depth first in menu order (root itself excluded).
std::vector<Ref<MenuItem>> AllMenuItems(const MenuItem& root);

// "Cmd+X" in the portable form of this platform's key sequences ("Ctrl+X";
// Qt maps Ctrl back to Cmd on macOS).
String PortableShortcut(const String& shortcut);

}  // namespace fw
