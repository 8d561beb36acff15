#include "common/MenuBar1.h"

#include <optional>

using fw::Ref;

namespace {

constexpr const char* kOnTheBar = nullptr;
constexpr std::optional<const char*> kNotSet;

// One row of the menu table: made, named, captioned and then attached, so a
// menu is on the bar with its name before its first item exists.
template <class Item>
void AppendItem(MenuBar1& bar, const char* menuName, const char* name, const char* text,
                std::optional<const char*> shortcut) {
  Ref<Item> item = fw::RuntimeNewObject<Item>();
  item->Constructor();
  item->Name(name);
  item->AutoEnable(true);
  item->Text(text);
  if (shortcut) {
    item->KeyboardShortcut(*shortcut);
  }
  if (menuName == kOnTheBar) {
    bar.Append(item);
  } else {
    Ref<fw::MenuItem> menu = bar.Child(menuName);
    menu->Append(item);  // a missing menu raises NilObjectException here
  }
}

}  // namespace

Ref<MenuBar1> MenuBar1::Instance() {
  if (implicitInstance.instance.IsNil()) {
    Ref<MenuBar1> bar = fw::RuntimeNewObject<MenuBar1>();
    bar->Constructor();
    implicitInstance.instance = bar;
  }
  return implicitInstance.instance;
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  AppendItem<fw::MenuItem>(*this, kOnTheBar, "FileMenu", "&File", "");
  AppendItem<fw::QuitMenuItem>(*this, "FileMenu", "FileQuit", "&Quit", "Cmd+Q");
  AppendItem<fw::AppleMenuItem>(*this, "FileMenu", "FileAbout", "About", "");
}

void MenuBar1::Untitled1() {
  AppendItem<fw::MenuItem>(*this, kOnTheBar, "EditMenu", "&Edit", "");
  AppendItem<fw::MenuItem>(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
  AppendItem<fw::MenuItem>(*this, "EditMenu", "UntitledMenu1", "-", kNotSet);
  AppendItem<fw::MenuItem>(*this, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
  AppendItem<fw::MenuItem>(*this, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
  AppendItem<fw::MenuItem>(*this, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
  AppendItem<fw::MenuItem>(*this, "EditMenu", "EditClear", "&Delete", "");
  AppendItem<fw::MenuItem>(*this, "EditMenu", "UntitledMenu0", "-", kNotSet);
  AppendItem<fw::MenuItem>(*this, "EditMenu", "EditSelectAll", "Select &All", "Cmd+A");
  // Done by the framework to the window's focused field.
  FieldEditItem("EditUndo", fw::FieldEdit::Undo);
  FieldEditItem("EditCut", fw::FieldEdit::Cut);
  FieldEditItem("EditCopy", fw::FieldEdit::Copy);
  FieldEditItem("EditPaste", fw::FieldEdit::Paste);
  FieldEditItem("EditClear", fw::FieldEdit::Delete);
  FieldEditItem("EditSelectAll", fw::FieldEdit::SelectAll);
}
