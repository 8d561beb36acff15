#include "core/BundleVersion.h"

#include <charconv>
#include <string_view>

namespace fw {
namespace {

String PlistString(const String& plist, const String& key) {
  auto at = plist.find("<key>" + key + "</key>");
  if (at == String::npos) {
    return {};
  }
  auto open = plist.find("<string>", at);
  auto close = plist.find("</string>", open);
  if (open == String::npos || close == String::npos) {
    return {};
  }
  open += 8;
  return plist.substr(open, close - open);
}

int32_t Number(std::string_view text) {
  int32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::pair<int32_t, int32_t> ParseBundleVersion(const String& plist) {
  String version = PlistString(plist, "CFBundleShortVersionString");
  if (version.empty()) {
    version = PlistString(plist, "CFBundleVersion");
  }
  auto dot = version.find('.');
  if (dot == String::npos) {
    return {Number(version), 0};
  }
  return {Number(std::string_view(version).substr(0, dot)),
          Number(std::string_view(version).substr(dot + 1))};
}

}  // namespace fw
