#pragma once
// The search of the installed applications' desktop entries, bounded so
// that no file and no folder can make it slow.
#include <filesystem>
#include <optional>
#include <vector>

#include "core/DesktopEntry.h"

namespace fw::platform {

struct FoundDesktopEntry {
  std::filesystem::path path;
  DesktopEntry entry;
};

// The entry the query asks for in the applications folders, taken in
// search order (the user's first). An id seen in an earlier folder masks
// the same id later, whatever either says.
std::optional<FoundDesktopEntry> FindDesktopEntry(
    const std::vector<std::filesystem::path>& searchPath, const DesktopEntryQuery& query);

}  // namespace fw::platform
