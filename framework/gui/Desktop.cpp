#include "gui/Desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include "gui/Applications.h"
#include "gui/Desktop_p.h"
#include "gui/QtText.h"
#include "platform/DesktopFiles.h"

namespace fw {
namespace {

bool HasScheme(const String& address) {
  auto colon = address.find(':');
  if (colon == String::npos || colon == 0) {
    return false;
  }
  for (std::size_t i = 0; i < colon; ++i) {
    char c = address[i];
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.')) {
      return false;
    }
  }
  return true;
}

}  // namespace

Ref<MouseCursor> Cursors::FingerPointer() const {
  static const Ref<MouseCursor> cursor =
      std::make_shared<MouseCursor>(MouseCursor::Shape::FingerPointer);
  return cursor;
}

Ref<MouseCursor> Cursors::StandardPointer() const {
  static const Ref<MouseCursor> cursor =
      std::make_shared<MouseCursor>(MouseCursor::Shape::StandardPointer);
  return cursor;
}

Ref<Cursors> SystemClass::Cursors() const {
  static const Ref<fw::Cursors> cursors = std::make_shared<fw::Cursors>();
  return cursors;
}

Ref<SystemClass> System() {
  static const Ref<SystemClass> system = std::make_shared<SystemClass>();
  return system;
}

std::function<void(const String&)>& UrlOpener() {
  static std::function<void(const String&)> opener;
  return opener;
}

void ShowURL(const String& address) {
  if (UrlOpener()) {
    UrlOpener()(address);
    return;
  }
  QString text = ToQString(address);
  // "mailto:" and other schemes go as they are; a bare address is a web one.
  QUrl url = HasScheme(address) ? QUrl(text) : QUrl::fromUserInput(text);
  QDesktopServices::openUrl(url);
}

void Clipboard::Text(const String& text) {
  QGuiApplication::clipboard()->setText(ToQString(text), QClipboard::Clipboard);
}

String Clipboard::Text() const {
  return FromQString(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

namespace SpecialFolder {
Ref<FolderItem> Applications() {
  return std::make_shared<ApplicationsFolder>(platform::ApplicationsSearchPath());
}
}  // namespace SpecialFolder

}  // namespace fw
