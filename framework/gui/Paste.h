#pragma once
// A paste asks for the clipboard's text and goes on when it comes: the event
// loop never waits for the clipboard's owner.
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QPoint;

namespace fw {

// The clipboard's text; nullopt when the read was abandoned.
using ClipboardAnswer = std::function<void(std::optional<QString>)>;

// Where a paste's read goes: the X11 selection, asked on a connection of
// its own, under xcb; Qt's clipboard, which answers at once in process,
// elsewhere.
class ClipboardSource {
 public:
  virtual ~ClipboardSource() = default;
  // Answers later, from the event loop, never from within the call.
  virtual void ReadText(ClipboardAnswer answer) = 0;
};

// Replaces the platform's source; nullptr restores it.
void UseClipboardSource(ClipboardSource* source);

// Pastes into FIELD once the clipboard answers, replacing its selection as
// a paste does; an abandoned read changes nothing. Keys typed into the
// field's window meanwhile are held and follow the paste in order.
void PasteInto(QLineEdit& field);

// The field's right-click menu: QLineEdit's own, except that Paste is offered
// without asking the clipboard first, and pastes as PasteInto does.
void ShowFieldMenu(QLineEdit& field, const QPoint& globalPos);

}  // namespace fw
