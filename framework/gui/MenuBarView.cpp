// A window's Qt menu bar, built from the shared menu model. Commands go to
// the window whose menu bar they were chosen from.
#include "gui/MenuBarView.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "core/Runtime.h"
#include "gui/Paste.h"
#include "gui/Window_p.h"

namespace fw {
namespace {

// A menu bar opened from the keyboard takes the keyboard focus from the
// window's field; the bar keeps note of that field, which the Edit items
// still act on.
class WindowMenuBar : public QMenuBar {
 public:
  explicit WindowMenuBar(QWidget* parent) : QMenuBar(parent) {
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
      if (now == this) {
        focusBefore_ = old;
      }
    });
  }
  QWidget* FocusBefore() const { return focusBefore_; }

 private:
  QPointer<QWidget> focusBefore_;
};

// The window's focused field, however its menu was opened; not the
// application's focus, which may be the menu bar or another window.
QLineEdit* FocusedField(const Window& window) {
  const Window::Native& n = Window::Native::Of(window);
  QWidget* focus = n.widget ? n.widget->focusWidget() : nullptr;
  if (auto* bar = dynamic_cast<WindowMenuBar*>(focus)) {
    focus = bar->FocusBefore();
  }
  return focus && focus->window() == n.widget ? qobject_cast<QLineEdit*>(focus) : nullptr;
}

// The field edits, as the focused text field offers them.
struct EditAction {
  bool (*available)(const QLineEdit&);
  void (*run)(QLineEdit&);
};

EditAction ActionFor(FieldEdit op) {
  switch (op) {
    case FieldEdit::Undo:
      return {[](const QLineEdit& f) { return f.isUndoAvailable(); },
              [](QLineEdit& f) { f.undo(); }};
    case FieldEdit::Cut:
      return {[](const QLineEdit& f) { return f.hasSelectedText() && !f.isReadOnly(); },
              [](QLineEdit& f) { f.cut(); }};
    case FieldEdit::Copy:
      return {[](const QLineEdit& f) { return f.hasSelectedText(); },
              [](QLineEdit& f) { f.copy(); }};
    case FieldEdit::Paste:
      // Asking the clipboard would wait on its owner, which may hang.
      return {[](const QLineEdit& f) { return !f.isReadOnly(); },
              [](QLineEdit& f) { PasteInto(f); }};
    case FieldEdit::Delete:
      return {[](const QLineEdit& f) { return f.hasSelectedText() && !f.isReadOnly(); },
              [](QLineEdit& f) { f.del(); }};
    case FieldEdit::SelectAll:
      break;
  }
  return {[](const QLineEdit& f) { return !f.text().isEmpty(); },
          [](QLineEdit& f) { f.selectAll(); }};
}

std::optional<EditAction> EditActionOf(const Window& window, const String& name) {
  Ref<MenuBar> bar = window.MenuBar();
  std::optional<FieldEdit> op = bar.IsNil() ? std::nullopt : bar->FieldEditOf(name);
  return op ? std::optional(ActionFor(*op)) : std::nullopt;
}

// What an item that the framework enables by itself shows before the
// window's handlers are asked.
bool EnabledByDefault(const MenuBar& bar, const MenuItem& item, QLineEdit* field) {
  if (item.Count() > 0 || dynamic_cast<const QuitMenuItem*>(&item)) {
    return true;
  }
  if (std::optional<FieldEdit> op = bar.FieldEditOf(item.Name())) {
    EditAction edit = ActionFor(*op);
    return field && edit.available(*field);
  }
  return false;
}

void MenuCommand(const std::weak_ptr<Window>& owner, const std::weak_ptr<MenuItem>& chosen) {
  auto item = chosen.lock();
  if (!item) {
    return;
  }
  Dispatch([&] {
    if (item->Event_Action()) {
      return;
    }
    auto window = owner.lock();
    if (!window || Window::Native::Of(*window).HandleMenuCommand(item->Name())) {
      return;
    }
    if (std::optional<EditAction> edit = EditActionOf(*window, item->Name())) {
      if (QLineEdit* field = FocusedField(*window)) {
        edit->run(*field);
      }
    }
  });
}

void AddItems(QMenu* menu, const MenuItem& model, const std::weak_ptr<Window>& owner) {
  for (int32_t i = 0; i < model.Count(); ++i) {
    Ref<MenuItem> item = model.Item(i);
    if (item->IsSeparator()) {
      menu->addSeparator();
      continue;
    }
    if (item->Count() > 0) {
      AddItems(menu->addMenu(QString::fromStdString(item->Text())), *item, owner);
      continue;
    }
    QAction* action = menu->addAction(QString::fromStdString(item->Text()));
    action->setObjectName(QString::fromStdString(item->Name()));
    if (!item->KeyboardShortcut().empty()) {
      action->setShortcut(
          QKeySequence(QString::fromStdString(PortableShortcut(item->KeyboardShortcut()))));
    }
    std::weak_ptr<MenuItem> chosen = item.Shared();
    QObject::connect(action, &QAction::triggered, action,
                     [owner, chosen] { MenuCommand(owner, chosen); });
  }
}

void SyncActions(QWidget* bar, const MenuItem& root) {
  for (QAction* action : bar->findChildren<QAction*>()) {
    if (action->objectName().isEmpty()) {
      continue;
    }
    Ref<MenuItem> item = root.Lookup(action->objectName().toStdString());
    if (!item.IsNil()) {
      action->setEnabled(item->Enabled());
    }
  }
}

}  // namespace

void RefreshMenus(Window& window) {
  Ref<MenuBar> bar = window.MenuBar();
  if (bar.IsNil()) {
    return;
  }
  auto items = AllMenuItems(*bar);
  QLineEdit* field = FocusedField(window);
  for (const auto& item : items) {
    if (item->AutoEnable()) {
      item->Enabled(EnabledByDefault(*bar, *item, field));
    }
  }
  Window::Native::Of(window).EnableMenuItems(items);
  if (QMenuBar* view = Window::Native::Of(window).menuBar) {
    SyncActions(view, *bar);
  }
}

QMenuBar* BuildMenuBar(QWidget* parent, const Ref<MenuBar>& model, std::weak_ptr<Window> owner) {
  auto* bar = new WindowMenuBar(parent);
  // A global menu would cost a D-Bus round trip at every start.
  bar->setNativeMenuBar(false);
  for (int32_t i = 0; i < model->Count(); ++i) {
    Ref<MenuItem> menuModel = model->Item(i);
    QMenu* menu = bar->addMenu(QString::fromStdString(menuModel->Text()));
    menu->setObjectName(QString::fromStdString(menuModel->Name()));
    AddItems(menu, *menuModel, owner);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [owner] {
      if (auto window = owner.lock()) {
        Dispatch([&] { RefreshMenus(*window); });
      }
    });
  }
  return bar;
}

}  // namespace fw
