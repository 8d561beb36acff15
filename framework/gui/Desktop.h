#pragma once
#include <functional>
#include <memory>

#include "gui/FolderItem.h"

namespace fw {

// A mouse cursor shape that a control can show.
class MouseCursor {
 public:
  enum class Shape { StandardPointer, FingerPointer };
  explicit MouseCursor(Shape shape) : shape_(shape) {}
  Shape GetShape() const { return shape_; }

 private:
  Shape shape_;
};

class Cursors {
 public:
  Ref<MouseCursor> FingerPointer() const;
  Ref<MouseCursor> StandardPointer() const;
};

class SystemClass {
 public:
  Ref<fw::Cursors> Cursors() const;
};

// The framework's System object.
Ref<SystemClass> System();

// Hands an address to the desktop: one without a scheme opens as http.
void ShowURL(const String& address);

class Clipboard {
 public:
  // Puts plain text on the desktop's clipboard in place of what was there.
  void Text(const String& text);
  String Text() const;
  void Close() {}
};

namespace SpecialFolder {
Ref<FolderItem> Applications();
}

}  // namespace fw
