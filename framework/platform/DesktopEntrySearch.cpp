#include "platform/DesktopEntrySearch.h"

#include <algorithm>
#include <array>
#include <set>

#include "platform/DesktopFiles.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace fw::platform {
namespace {

namespace fs = std::filesystem;

// Entries are a few KiB; the bounds keep any file, and any folder, from
// making a search slow.
constexpr size_t kMaxEntryBytes = size_t{1} << 20;
constexpr size_t kReadBudgetPerFolder = size_t{64} << 20;

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
  auto read = ReadLinesOfRegularFile(path, std::min(kMaxEntryBytes, budget),
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
  return entry.tryExec.empty() || ProgramInstalled(entry.tryExec);
}

bool StartsOwnExecutable(const DesktopEntry& entry) {
  const std::vector<String> command = ExecArguments(entry.exec);
  return !command.empty() && IsThisExecutable(command.front());
}

}  // namespace

std::optional<FoundDesktopEntry> FindDesktopEntry(const std::vector<fs::path>& searchPath,
                                                  const DesktopEntryQuery& query) {
  if (query.name.empty() && query.category.empty()) {
    return std::nullopt;
  }
  const std::vector<String> desktops =
      query.category.empty() ? std::vector<String>() : CurrentDesktops();
  std::array<std::optional<FoundDesktopEntry>, 3> byFit;
  std::set<String> claimed;
  for (const auto& folder : searchPath) {
    size_t budget = kReadBudgetPerFolder;
    for (const auto& relative : DesktopFilesUnder(folder)) {
      String id = EntryId(relative);
      if (claimed.count(id) != 0) {
        continue;
      }
      auto entry = ReadEntry(folder / relative, budget);
      if (!entry) {
        continue;
      }
      const bool skipped =
          std::find(query.skippedIds.begin(), query.skippedIds.end(), id) != query.skippedIds.end();
      // A skipped entry still masks its id in later folders.
      claimed.insert(std::move(id));
      const bool named = !query.name.empty() && entry->name == query.name;
      const bool inCategory = !query.category.empty() && HasCategory(*entry, query.category);
      if (skipped || !(named || inCategory) || !IsApplication(*entry) || !IsInstalled(*entry) ||
          (query.skipOwnExecutable && StartsOwnExecutable(*entry))) {
        continue;
      }
      if (named) {
        return FoundDesktopEntry{folder / relative, std::move(*entry)};
      }
      auto& first = byFit[static_cast<size_t>(FitFor(*entry, desktops))];
      if (!first) {
        first = FoundDesktopEntry{folder / relative, std::move(*entry)};
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

}  // namespace fw::platform
