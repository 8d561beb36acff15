#include "core/Application.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "core/FolderItem.h"

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

const Application::Version& Application::BundleVersion() const {
  if (!version_) {
    version_ = Version{};
    Ref<FolderItem> executable = ExecutableFile();
    if (!executable.IsNil()) {
      std::ifstream in(executable->Path().parent_path().parent_path() / "Info.plist");
      std::stringstream text;
      text << in.rdbuf();
      auto [major, minor] = ParseBundleVersion(text.str());
      version_ = Version{major, minor};
    }
  }
  return *version_;
}

int32_t Application::MajorVersion() const {
  return BundleVersion().major;
}
int32_t Application::MinorVersion() const {
  return BundleVersion().minor;
}

bool Application::Event_HandleAppleEvent(AppleEvent&, const String&, const String&) {
  return false;
}

}  // namespace fw
