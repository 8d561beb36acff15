#include "gui/Controls.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "core/Runtime.h"
#include "gui/Control_p.h"
#include "gui/Desktop.h"
#include "gui/Legibility.h"
#include "gui/Paste.h"
#include "gui/Picture_p.h"
#include "gui/QtText.h"
#include "gui/Window_p.h"

namespace fw {
namespace {

// The key as the KeyDown event gives it: its text, or the control character
// that stands for an editing key.
String KeyText(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "\r";
    case Qt::Key_Tab:
      return "\t";
    case Qt::Key_Backspace:
      return "\b";
    case Qt::Key_Escape:
      return "\x1b";
    case Qt::Key_Delete:
      return "\x7f";
    case Qt::Key_Left:
      return "\x1c";
    case Qt::Key_Right:
      return "\x1d";
    case Qt::Key_Up:
      return "\x1e";
    case Qt::Key_Down:
      return "\x1f";
    case Qt::Key_Home:
      return "\x01";
    case Qt::Key_End:
      return "\x04";
    case Qt::Key_PageUp:
      return "\x0b";
    case Qt::Key_PageDown:
      return "\x0c";
    default:
      return FromQString(event.text());
  }
}

template <class Base>
class EventWidget : public Base {
 public:
  EventWidget(std::weak_ptr<Control> owner, QWidget* parent) : Base(parent), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    auto control = owner_.lock();
    QPoint at = event->position().toPoint();
    bool handled = control && DispatchOr(false, [&] {
                     return Control::Native::Of(*control).Raise<events::MouseDown>(at.x(), at.y());
                   });
    if (!handled) {
      Base::mousePressEvent(event);
    }
  }
  void enterEvent(QEnterEvent* event) override {
    if (auto control = owner_.lock()) {
      Dispatch([&] { Control::Native::Of(*control).Raise<events::MouseEnter>(); });
    }
    Base::enterEvent(event);
  }
  void leaveEvent(QEvent* event) override {
    if (auto control = owner_.lock()) {
      Dispatch([&] { Control::Native::Of(*control).Raise<events::MouseExit>(); });
    }
    Base::leaveEvent(event);
  }

  std::weak_ptr<Control> owner_;
};

class FieldWidget : public EventWidget<QLineEdit> {
 public:
  using EventWidget::EventWidget;

 protected:
  // KeyDown comes before the field's own handling; True swallows the key.
  void keyPressEvent(QKeyEvent* event) override {
    auto control = owner_.lock();
    String key = KeyText(*event);
    bool swallowed = control && !key.empty() && DispatchOr(false, [&] {
                       return Control::Native::Of(*control).Raise<events::KeyDown>(key);
                     });
    if (swallowed) {
      event->accept();
      return;
    }
    // QLineEdit's own paste waits for the clipboard's owner. Ctrl+Shift+Insert
    // (the X11 selection) stays Qt's.
    if (event->matches(QKeySequence::Paste) && !isReadOnly() &&
        event->modifiers() != (Qt::ControlModifier | Qt::ShiftModifier)) {
      PasteInto(*this);
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    ShowFieldMenu(*this, event->globalPos());
  }
  // The menu bar takes the keyboard to open a menu whose Edit items act on
  // this field: the selection stays, as it does for a popup.
  void focusOutEvent(QFocusEvent* event) override {
    if (event->reason() == Qt::MenuBarFocusReason) {
      QFocusEvent kept(event->type(), Qt::PopupFocusReason);
      QLineEdit::focusOutEvent(&kept);
      return;
    }
    QLineEdit::focusOutEvent(event);
  }
};

// A label too narrow for its text shows an ellipsis where the text is cut;
// Text() keeps the whole text. Its colour is kept readable on the palette in
// use, and one that the keyboard reaches shows the focus and is pressed by
// Space or Return.
class LabelWidget : public EventWidget<QLabel> {
 public:
  using EventWidget::EventWidget;

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QString shown = ShownLabelText(*this);
    const QColor color = ReadableTextColor(*this);
    if (shown == text() && color == palette().color(foregroundRole())) {
      QLabel::paintEvent(event);
    } else {
      QPalette readable = palette();
      readable.setColor(foregroundRole(), color);
      QPainter painter(this);
      int wrap = wordWrap() ? Qt::TextWordWrap : 0;
      style()->drawItemText(&painter, contentsRect(),
                            QStyle::visualAlignment(layoutDirection(), alignment()) | wrap,
                            readable, isEnabled(), shown, foregroundRole());
    }
    if (hasFocus()) {
      QPainter painter(this);
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.backgroundColor = palette().color(backgroundRole());
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
  }
  void keyPressEvent(QKeyEvent* event) override {
    auto control = owner_.lock();
    bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                 event->key() == Qt::Key_Enter;
    if (control && press && IsPressable(this)) {
      // As a click in the middle of the label.
      QPoint at = rect().center();
      DispatchOr(false, [&] {
        return Control::Native::Of(*control).Raise<events::MouseDown>(at.x(), at.y());
      });
      event->accept();
      return;
    }
    QLabel::keyPressEvent(event);
  }
};

class CanvasWidget : public EventWidget<QWidget> {
 public:
  using EventWidget::EventWidget;
  QImage backdrop;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!backdrop.isNull()) {
      QPainter painter(this);
      if (size() == backdrop.size() || LayoutScale() == 1.0) {
        painter.drawImage(QPoint(0, 0), backdrop);
      } else {
        // A layout grown for a large font grows its pictures with it.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), backdrop.size() * LayoutScale()), backdrop);
      }
    }
  }
};

}  // namespace

QString ShownLabelText(const QLabel& label) {
  if (label.wordWrap() || label.text().contains(QLatin1Char('\n'))) {
    return label.text();
  }
  return label.fontMetrics().elidedText(label.text(), Qt::ElideRight, label.contentsRect().width());
}

void Control::Native::ApplyFont() {
  if (!widget) {
    return;
  }
  QFont font = QApplication::font();
  if (fontName != "System" && !fontName.empty()) {
    font.setFamily(ToQString(fontName));
  }
  // A text size is in the layout's unit, as positions are: one pixel, the
  // point of the 72 dpi screens the layouts were drawn for.
  if (textSize > 0) {
    font.setPixelSize(static_cast<int>(textSize * LayoutScale() + 0.5));
  }
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  widget->setFont(font);
}

Control::Control() : native_(std::make_unique<Native>(*this)) {}
Control::~Control() = default;

void Control::Constructor() {
  Window().Get();  // a control is always made through its window
  MakeWidget();
  native_->ApplyFont();
}

const String& Control::Name() const {
  return native_->name;
}

Ref<fw::Window> Control::Window() const {
  return Ref<fw::Window>(window_.lock());
}

bool Control::Visible() const {
  return native_->visible;
}

void Control::Visible(bool visible) {
  native_->visible = visible;
  if (native_->widget) {
    native_->widget->setVisible(visible);
  }
}

bool Control::Enabled() const {
  return native_->widget && native_->widget->isEnabled();
}

void Control::Enabled(bool enabled) {
  if (native_->widget) {
    native_->widget->setEnabled(enabled);
  }
}

void Control::SetFocus() {
  QWidget* widget = native_->widget;
  if (!widget) {
    return;
  }
  widget->setFocus(Qt::OtherFocusReason);
  // As Tab does: what the user types next replaces the field's text.
  if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    field->selectAll();
  }
}

void Control::MouseCursor(Ref<fw::MouseCursor> cursor) {
  if (!native_->widget) {
    return;
  }
  bool finger = !cursor.IsNil() && cursor->GetShape() == MouseCursor::Shape::FingerPointer;
  native_->widget->setCursor(finger ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

int32_t Control::TabIndex() const {
  return native_->tabIndex;
}

void Control::InstallHandler(const char* eventName, std::unique_ptr<EventHandlerBase> handler) {
  handlers_[eventName] = std::move(handler);
  // A label that a click acts on is reached by Tab as well, but a click does
  // not take the focus from where it is.
  if (String(eventName) == events::MouseDown::Name && qobject_cast<QLabel*>(native_->widget)) {
    native_->widget->setFocusPolicy(Qt::TabFocus);
  }
}

// Each class makes its widget in the window's content area.
namespace {
QWidget* ContentOf(const Control& control) {
  return Window::Native::Of(*control.Window()).widget->content();
}
}  // namespace

void StaticText::MakeWidget() {
  auto* label = new LabelWidget(weak_from_this(), ContentOf(*this));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Control::Native::Of(*this).widget = label;
}

String StaticText::Text() const {
  return FromQString(WidgetAs<QLabel>(*this)->text());
}
void StaticText::Text(const String& text) {
  WidgetAs<QLabel>(*this)->setText(ToQString(text));
}

void StaticText::Labels(Control& control) {
  WidgetAs<QLabel>(*this)->setBuddy(Control::Native::Of(control).widget);
}

void StaticText::TextSize(float size) {
  Control::Native::Of(*this).textSize = size;
  Control::Native::Of(*this).ApplyFont();
}

void TextField::MakeWidget() {
  auto* field = new FieldWidget(weak_from_this(), ContentOf(*this));
  field->setFocusPolicy(Qt::StrongFocus);
  Control::Native::Of(*this).widget = field;
}

String TextField::Text() const {
  return FromQString(WidgetAs<QLineEdit>(*this)->text());
}
void TextField::Text(const String& text) {
  WidgetAs<QLineEdit>(*this)->setText(ToQString(text));
}

void PushButton::MakeWidget() {
  auto* button = new EventWidget<QPushButton>(weak_from_this(), ContentOf(*this));
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(false);
  std::weak_ptr<Control> owner = weak_from_this();
  QObject::connect(button, &QPushButton::clicked, button, [owner] {
    if (auto control = owner.lock()) {
      Dispatch([&] { Control::Native::Of(*control).Raise<events::Action>(); });
    }
  });
  Control::Native::Of(*this).widget = button;
}

String PushButton::Caption() const {
  return FromQString(WidgetAs<QPushButton>(*this)->text());
}
bool PushButton::Default() const {
  return WidgetAs<QPushButton>(*this)->isDefault();
}
bool PushButton::Cancel() const {
  return WidgetAs<QPushButton>(*this)->property("cancel").toBool();
}
void PushButton::Push() {
  WidgetAs<QPushButton>(*this)->click();
}

void Canvas::MakeWidget() {
  auto* canvas = new CanvasWidget(weak_from_this(), ContentOf(*this));
  canvas->setFocusPolicy(Qt::NoFocus);
  Control::Native::Of(*this).widget = canvas;
}

void Canvas::Backdrop(Ref<Picture> picture) {
  backdrop_ = std::move(picture);
  auto* canvas = WidgetAs<CanvasWidget>(*this);
  canvas->backdrop = backdrop_.IsNil() ? QImage() : backdrop_->native().image;
  canvas->update();
}

}  // namespace fw
