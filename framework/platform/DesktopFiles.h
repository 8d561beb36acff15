#pragma once
// Where a Linux desktop keeps its installed applications' entries.
#include <filesystem>
#include <vector>

#include "core/String.h"

namespace fw::platform {

// $XDG_DATA_HOME/applications (or ~/.local/share/applications), then each
// of $XDG_DATA_DIRS (or /usr/local/share:/usr/share) with /applications.
std::vector<std::filesystem::path> ApplicationsSearchPath();
// Relative paths of the regular *.desktop files under the folder, at any
// depth, without following folder symlinks.
std::vector<std::filesystem::path> DesktopFilesUnder(const std::filesystem::path& folder);

}  // namespace fw::platform
