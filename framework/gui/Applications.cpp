#include "gui/Applications.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <string_view>

#include "core/DesktopEntry.h"
#include "platform/DesktopFiles.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAppSuffix = ".app";

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The desktop file id: the path below the applications folder, "/" as "-".
String EntryId(const fs::path& relative) {
  String id = relative.generic_string();
  std::replace(id.begin(), id.end(), '/', '-');
  return id;
}

}  // namespace

ApplicationsFolder::ApplicationsFolder(std::vector<std::filesystem::path> searchPath)
    : FolderItem(searchPath.empty() ? fs::path() : searchPath.front()),
      searchPath_(std::move(searchPath)) {}

Ref<FolderItem> ApplicationsFolder::Child(const String& name) const {
  Ref<FolderItem> plain = FolderItem::Child(name);
  if (plain.IsNil() || !EndsWith(name, kAppSuffix)) {
    return plain;
  }
  const String wanted = name.substr(0, name.size() - kAppSuffix.size());
  if (!wanted.empty()) {
    // Ids already seen in an earlier folder (or earlier in this one) mask
    // later entries with the same id, whatever those say.
    std::set<String> claimed;
    for (const auto& folder : searchPath_) {
      std::vector<fs::path> files = platform::DesktopFilesUnder(folder);
      std::sort(files.begin(), files.end());
      for (const auto& relative : files) {
        String id = EntryId(relative);
        if (claimed.count(id) != 0) {
          continue;
        }
        auto text = platform::ReadTextFile(folder / relative);
        if (!text) {
          continue;
        }
        auto entry = ParseDesktopEntry(*text);
        if (!entry) {
          continue;
        }
        claimed.insert(std::move(id));
        if (entry->name == wanted && !entry->hidden &&
            (entry->type.empty() || entry->type == "Application")) {
          return Ref<FolderItem>(
              std::make_shared<DesktopEntryItem>(folder / relative, ExecArguments(entry->exec)));
        }
      }
    }
  }
  return Ref<FolderItem>(
      std::make_shared<DesktopEntryItem>(fs::path(AbsolutePath()) / name, std::nullopt));
}

String ApplicationsFolder::AbsolutePath() const {
  return searchPath_.empty() ? String() : searchPath_.front().string();
}

DesktopEntryItem::DesktopEntryItem(std::filesystem::path path,
                                   std::optional<std::vector<String>> command)
    : FolderItem(std::move(path)), command_(std::move(command)) {}

void DesktopEntryItem::Launch(bool) {
  LastErrorCode(command_ && !command_->empty() ? platform::LaunchDetached(*command_) : ENOENT);
}

}  // namespace fw
