#include "gui/Applications.h"

#include <cerrno>
#include <map>
#include <string_view>

#include "platform/DesktopEntrySearch.h"
#include "platform/Process.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAppSuffix = ".app";

// Filled before main by the program's mappings, read only afterwards.
std::map<String, DesktopEntryQuery>& Mappings() {
  static std::map<String, DesktopEntryQuery> mappings;
  return mappings;
}

DesktopEntryQuery QueryFor(const String& bundleName) {
  if (auto mapped = Mappings().find(bundleName); mapped != Mappings().end()) {
    return mapped->second;
  }
  DesktopEntryQuery byName;
  byName.name = bundleName.substr(0, bundleName.size() - kAppSuffix.size());
  return byName;
}

}  // namespace

ApplicationsFolder::ApplicationsFolder(std::vector<std::filesystem::path> searchPath)
    : FolderItem(searchPath.empty() ? fs::path() : searchPath.front()),
      searchPath_(std::move(searchPath)) {}

Ref<FolderItem> ApplicationsFolder::Child(const String& name) const {
  Ref<FolderItem> plain = FolderItem::Child(name);
  if (plain.IsNil() || !std::string_view(name).ends_with(kAppSuffix)) {
    return plain;
  }
  if (auto found = platform::FindDesktopEntry(searchPath_, QueryFor(name))) {
    return Ref<FolderItem>(
        std::make_shared<DesktopEntryItem>(found->path, ExecArguments(found->entry.exec)));
  }
  return Ref<FolderItem>(
      std::make_shared<DesktopEntryItem>(fs::path(AbsolutePath()) / name, std::nullopt));
}

String ApplicationsFolder::AbsolutePath() const {
  return searchPath_.empty() ? String() : searchPath_.front().string();
}

MappedApplication::MappedApplication(const String& bundleName, DesktopEntryQuery query) {
  Mappings()[bundleName] = std::move(query);
}

DesktopEntryItem::DesktopEntryItem(std::filesystem::path path,
                                   std::optional<std::vector<String>> command)
    : FolderItem(std::move(path)), command_(std::move(command)) {}

void DesktopEntryItem::Launch(bool) {
  LastErrorCode(command_ && !command_->empty() ? platform::LaunchDetached(*command_) : ENOENT);
}

}  // namespace fw
