#include "gui/BundleVersion.h"

#include <QXmlStreamReader>
#include <charconv>
#include <map>

namespace fw {
namespace {

// The <string> values of the top-level dictionary's keys; other values and
// nested dictionaries are skipped. Empty for a text that is no well-formed
// property list.
std::map<QString, QString> TopLevelStrings(const String& plist) {
  std::map<QString, QString> strings;
  QXmlStreamReader xml(QByteArray::fromStdString(plist));
  if (!xml.readNextStartElement() || xml.name() != u"plist" || !xml.readNextStartElement() ||
      xml.name() != u"dict") {
    return {};
  }
  QString key;
  while (xml.readNextStartElement()) {
    if (xml.name() == u"key") {
      key = xml.readElementText();
    } else if (xml.name() == u"string") {
      QString value = xml.readElementText();
      if (!key.isNull()) {
        strings.try_emplace(key, value);
      }
      key = QString();
    } else {
      xml.skipCurrentElement();
      key = QString();
    }
  }
  // The rest must be well-formed too: a broken file tells nothing.
  while (!xml.atEnd()) {
    xml.readNext();
  }
  return xml.hasError() ? std::map<QString, QString>() : strings;
}

// Digits only: unsigned, so that a sign is refused.
int32_t Part(QStringView text) {
  const QByteArray digits = text.toLatin1();
  uint32_t value = 0;
  auto [end, error] = std::from_chars(digits.begin(), digits.end(), value);
  return error == std::errc() && end == digits.end() && value <= INT32_MAX
             ? static_cast<int32_t>(value)
             : 0;
}

}  // namespace

std::pair<int32_t, int32_t> ParseBundleVersion(const String& plist) {
  auto strings = TopLevelStrings(plist);
  QString version;
  for (const char* key : {"CFBundleShortVersionString", "CFBundleVersion"}) {
    if (auto it = strings.find(QString::fromLatin1(key));
        it != strings.end() && !it->second.trimmed().isEmpty()) {
      version = it->second.trimmed();
      break;
    }
  }
  const QList<QStringView> parts = QStringView(version).split(u'.');
  return {Part(parts.value(0)), Part(parts.value(1))};
}

}  // namespace fw
