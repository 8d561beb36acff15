#include "gui/Paste.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <memory>

#include "gui/QtText.h"
#include "platform/SelectionReader.h"

namespace fw {
namespace {

class PlatformSource : public QObject, public ClipboardSource {
 public:
  using QObject::QObject;

  void ReadText(ClipboardAnswer answer) override {
    // Qt reads its own selection in process, and every platform but X11
    // without waiting on another program.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || clipboard->ownsClipboard()) {
      QTimer::singleShot(
          0, this, [answer] { answer(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
      return;
    }
    if (!reader_ || !reader_->Usable()) {
      reader_ = platform::SelectionReader::Connect(nullptr);
    }
    if (!reader_) {
      QTimer::singleShot(0, this, [answer] { answer(std::nullopt); });
      return;
    }
    reader_->Read([answer](std::optional<String> text) {
      answer(text ? std::optional<QString>(ToQString(*text)) : std::nullopt);
    });
  }

 private:
  std::unique_ptr<platform::SelectionReader> reader_;
};

ClipboardSource* chosenSource = nullptr;

ClipboardSource& Source() {
  if (chosenSource) {
    return *chosenSource;
  }
  // Owned by the application, so that its socket notifier goes before it.
  static QPointer<PlatformSource> platform;
  if (!platform) {
    platform = new PlatformSource(qApp);
  }
  return *platform;
}

// What a window does while a paste waits: a key typed into it, or a paste
// asked for meanwhile.
struct Held {
  std::unique_ptr<QKeyEvent> key;
  QPointer<QLineEdit> pasteInto;
};

// One per top-level window, made at its first paste.
class PasteQueue : public QObject {
 public:
  static PasteQueue& Of(QWidget* window) {
    for (QObject* child : window->children()) {
      if (auto* queue = dynamic_cast<PasteQueue*>(child)) {
        return *queue;
      }
    }
    return *new PasteQueue(window);
  }

  void Paste(QLineEdit& field) {
    if (waiting_) {
      held_.push_back({nullptr, &field});
      return;
    }
    waiting_ = true;
    // Keys reach the focused widget only after the application's filters.
    qApp->installEventFilter(this);
    QPointer<PasteQueue> self(this);
    QPointer<QLineEdit> target(&field);
    Source().ReadText([self, target](std::optional<QString> text) {
      if (self) {
        self->Answered(target, text);
      }
    });
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!waiting_ || event->type() != QEvent::KeyPress) {
      return false;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || widget->window() != window_) {
      return false;
    }
    held_.push_back({std::unique_ptr<QKeyEvent>(static_cast<QKeyEvent*>(event)->clone()), {}});
    return true;
  }

 private:
  explicit PasteQueue(QWidget* window) : QObject(window), window_(window) {}

  void Answered(const QPointer<QLineEdit>& field, const std::optional<QString>& text) {
    waiting_ = false;
    qApp->removeEventFilter(this);
    // As QLineEdit::paste: an empty clipboard still replaces a selection.
    if (field && text && !field->isReadOnly() && (!text->isEmpty() || field->hasSelectedText())) {
      field->insert(*text);
    }
    // A held paste waits in turn, and holds what follows it.
    while (!waiting_ && !held_.empty()) {
      Held next = std::move(held_.front());
      held_.pop_front();
      if (!next.key) {
        if (next.pasteInto) {
          Paste(*next.pasteInto);
        }
        continue;
      }
      QWidget* focus = window_->focusWidget();
      QCoreApplication::sendEvent(focus ? focus : window_.data(), next.key.get());
    }
  }

  QPointer<QWidget> window_;
  bool waiting_ = false;
  std::deque<Held> held_;
};

QAction* AddFieldAction(QMenu& menu, const QString& text, QKeySequence::StandardKey key,
                        const char* icon, bool enabled) {
  QString shown = text;
  if (key != QKeySequence::UnknownKey &&
      !QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus)) {
    shown += QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
  }
  QAction* action = menu.addAction(shown);
  action->setEnabled(enabled);
  const QIcon themed = QIcon::fromTheme(QLatin1String(icon));
  if (!themed.isNull()) {
    action->setIcon(themed);
  }
  return action;
}

}  // namespace

void ShowFieldMenu(QLineEdit& field, const QPoint& globalPos) {
  auto* menu = new QMenu(&field);
  menu->setObjectName(QStringLiteral("qt_edit_menu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const bool editable = !field.isReadOnly();
  const bool selected = field.hasSelectedText() && field.echoMode() == QLineEdit::Normal;
  QPointer<QLineEdit> target(&field);
  auto on = [&](QAction* action, void (*run)(QLineEdit&)) {
    QObject::connect(action, &QAction::triggered, &field, [target, run] {
      if (target) {
        run(*target);
      }
    });
  };
  if (editable) {
    on(AddFieldAction(*menu, QLineEdit::tr("&Undo"), QKeySequence::Undo, "edit-undo",
                      field.isUndoAvailable()),
       [](QLineEdit& f) { f.undo(); });
    on(AddFieldAction(*menu, QLineEdit::tr("&Redo"), QKeySequence::Redo, "edit-redo",
                      field.isRedoAvailable()),
       [](QLineEdit& f) { f.redo(); });
    menu->addSeparator();
    on(AddFieldAction(*menu, QLineEdit::tr("Cu&t"), QKeySequence::Cut, "edit-cut", selected),
       [](QLineEdit& f) { f.cut(); });
  }
  on(AddFieldAction(*menu, QLineEdit::tr("&Copy"), QKeySequence::Copy, "edit-copy", selected),
     [](QLineEdit& f) { f.copy(); });
  if (editable) {
    on(AddFieldAction(*menu, QLineEdit::tr("&Paste"), QKeySequence::Paste, "edit-paste", true),
       [](QLineEdit& f) { PasteInto(f); });
    on(AddFieldAction(*menu, QLineEdit::tr("Delete"), QKeySequence::UnknownKey, "edit-delete",
                      !field.text().isEmpty() && field.hasSelectedText()),
       [](QLineEdit& f) { f.del(); });
  }
  menu->addSeparator();
  const bool allSelected = field.selectedText() == field.text();
  on(AddFieldAction(*menu, QLineEdit::tr("Select All"), QKeySequence::SelectAll, "edit-select-all",
                    !field.text().isEmpty() && !allSelected),
     [](QLineEdit& f) { f.selectAll(); });
  menu->popup(globalPos);
}

void UseClipboardSource(ClipboardSource* source) {
  chosenSource = source;
}

void PasteInto(QLineEdit& field) {
  PasteQueue::Of(field.window()).Paste(field);
}

}  // namespace fw
