// What assistive technology is told about windows and links: a plain widget
// would be a "filler" and a link a plain label.
#include "gui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "gui/Legibility.h"
#include "gui/Window_p.h"

namespace fw {
namespace {

// A window shown modally is a dialog; any other is a frame.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window) {}
  QAccessible::Role role() const override {
    bool dialog = widget()->isModal() || widget()->windowType() == Qt::Dialog;
    return dialog ? QAccessible::Dialog : QAccessible::Window;
  }
};

// A label says its text. One that a click acts on has a press action that
// does what the click does; an underlined one is a link. Asked each time, as
// the interface can be made before the label's handlers are bound.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label) {}
  QAccessible::Role role() const override {
    return IsLink(widget()) ? QAccessible::Link : QAccessible::StaticText;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      return static_cast<QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return IsPressable(widget()) ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && IsPressable(widget())) {
      // Queued: the request comes from the accessibility bus, not from an
      // event the program is handling.
      QApplication::postEvent(widget(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* Interface(const QString&, QObject* object) {
  if (auto* window = dynamic_cast<WindowWidget*>(object)) {
    return new WindowAccessible(window);
  }
  // Only the labels of the framework's windows.
  auto* label = qobject_cast<QLabel*>(object);
  if (label && dynamic_cast<WindowWidget*>(label->window())) {
    return new LabelAccessible(label);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (!installed) {
    QAccessible::installFactory(Interface);
    installed = true;
  }
}

}  // namespace fw
