#include "core/Menu.h"

#include "core/Runtime.h"

namespace fw {

void MenuItem::Append(Ref<MenuItem> item) {
  item.Get();  // a Nil item is a fault of the caller, not an empty slot
  items_.push_back(std::move(item));
}

Ref<MenuItem> MenuItem::Item(int32_t index) const {
  if (index < 0 || index >= Count()) {
    return nullptr;
  }
  return items_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(const String& name) const {
  for (const auto& item : items_) {
    if (item->Name() == name) {
      return item;
    }
  }
  return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const String& name) const {
  for (const auto& item : items_) {
    if (item->Name() == name) {
      return item;
    }
    if (auto found = item->Lookup(name); !found.IsNil()) {
      return found;
    }
  }
  return nullptr;
}

void MenuBar::FieldEditItem(const String& name, FieldEdit op) {
  for (auto& [named, edit] : fieldEdits_) {
    if (named == name) {
      edit = op;
      return;
    }
  }
  fieldEdits_.emplace_back(name, op);
}

std::optional<FieldEdit> MenuBar::FieldEditOf(const String& name) const {
  for (const auto& [named, edit] : fieldEdits_) {
    if (named == name) {
      return edit;
    }
  }
  return std::nullopt;
}

bool QuitMenuItem::Event_Action() {
  return QuitMenuAction(*this);
}

bool QuitMenuAction(MenuItem&) {
  runtime::RequestQuit();
  return true;
}

namespace {
void Collect(const MenuItem& item, std::vector<Ref<MenuItem>>& into) {
  for (int32_t i = 0; i < item.Count(); ++i) {
    into.push_back(item.Item(i));
    Collect(*item.Item(i), into);
  }
}
}  // namespace

std::vector<Ref<MenuItem>> AllMenuItems(const MenuItem& root) {
  std::vector<Ref<MenuItem>> items;
  Collect(root, items);
  return items;
}

String PortableShortcut(const String& shortcut) {
  static const String cmd = "Cmd+";
  if (shortcut.rfind(cmd, 0) == 0) {
    return "Ctrl+" + shortcut.substr(cmd.size());
  }
  return shortcut;
}

}  // namespace fw
