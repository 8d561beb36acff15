#include "gui/Applications.h"

#include <algorithm>
#include <array>
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
// Desktops name their own calculator as they like ("KCalc", "MATE
// Calculator"); its category is what they share.
constexpr std::string_view kCalculator = "Calculator";
// Entries are a few KiB; the bounds keep any file, and any folder, from
// making a search slow.
constexpr size_t kMaxEntryBytes = size_t{1} << 20;
constexpr size_t kReadBudgetPerFolder = size_t{64} << 20;

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The desktop file id: the path below the applications folder, "/" as "-".
String EntryId(const fs::path& relative) {
  String id = relative.generic_string();
  std::replace(id.begin(), id.end(), '/', '-');
  return id;
}

// The file's [Desktop Entry] group, read no further; what is read comes off
// the budget.
std::optional<DesktopEntry> ReadEntry(const fs::path& path, size_t& budget) {
  DesktopEntryParser parser;
  auto read =
      platform::ReadLinesOfRegularFile(path, std::min(kMaxEntryBytes, budget),
                                       [&](std::string_view line) { return parser.Line(line); });
  if (!read) {
    return std::nullopt;
  }
  budget -= *read;
  return parser.Result();
}

bool IsApplication(const DesktopEntry& entry) {
  return !entry.hidden && (entry.type.empty() || entry.type == "Application");
}

// An entry left behind by an uninstalled program names a TryExec that is gone.
bool IsInstalled(const DesktopEntry& entry) {
  return entry.tryExec.empty() || platform::ProgramInstalled(entry.tryExec);
}

struct Found {
  fs::path path;
  DesktopEntry entry;
};

// The first entry named `wanted`, in search order. For the calculator, else
// the first in its category that is meant for the current desktop, then the
// first that is not kept from it, then any.
std::optional<Found> FindEntry(const std::vector<fs::path>& searchPath, const String& wanted) {
  const bool byCategory = wanted == kCalculator;
  const std::vector<String> desktops =
      byCategory ? platform::CurrentDesktops() : std::vector<String>();
  std::array<std::optional<Found>, 3> byFit;
  // Ids already seen in an earlier folder (or earlier in this one) mask
  // later entries with the same id, whatever those say.
  std::set<String> claimed;
  for (const auto& folder : searchPath) {
    size_t budget = kReadBudgetPerFolder;
    for (const auto& relative : platform::DesktopFilesUnder(folder)) {
      String id = EntryId(relative);
      if (claimed.count(id) != 0) {
        continue;
      }
      auto entry = ReadEntry(folder / relative, budget);
      if (!entry) {
        continue;
      }
      claimed.insert(std::move(id));
      const bool named = entry->name == wanted;
      const bool inCategory = byCategory && HasCategory(*entry, kCalculator);
      if (!(named || inCategory) || !IsApplication(*entry) || !IsInstalled(*entry)) {
        continue;
      }
      if (named) {
        return Found{folder / relative, std::move(*entry)};
      }
      auto& first = byFit[static_cast<size_t>(FitFor(*entry, desktops))];
      if (!first) {
        first = Found{folder / relative, std::move(*entry)};
      }
    }
  }
  for (auto& found : byFit) {
    if (found) {
      return std::move(found);
    }
  }
  return std::nullopt;
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
    if (auto found = FindEntry(searchPath_, wanted)) {
      return Ref<FolderItem>(
          std::make_shared<DesktopEntryItem>(found->path, ExecArguments(found->entry.exec)));
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
