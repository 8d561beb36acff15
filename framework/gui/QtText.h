#pragma once
// The one conversion between the framework's UTF-8 text and Qt's.
#include <QString>

#include "core/String.h"

namespace fw {

inline QString ToQString(const String& text) {
  return QString::fromStdString(text);
}

inline String FromQString(const QString& text) {
  return text.toStdString();
}

}  // namespace fw
