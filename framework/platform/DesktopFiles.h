#pragma once
// Where a Linux desktop keeps its installed applications' entries.
#include <filesystem>
#include <vector>

#include "core/String.h"

namespace fw::platform {

// $XDG_DATA_HOME/applications (or ~/.local/share/applications), then each
// of $XDG_DATA_DIRS (or /usr/local/share:/usr/share) with /applications.
std::vector<std::filesystem::path> ApplicationsSearchPath();
// Relative paths of the regular *.desktop files under the folder, sorted.
// Folder symlinks are followed, but each folder is entered once, and the
// walk is bounded in depth and in the entries it looks at, so that no
// folder can make it slow.
std::vector<std::filesystem::path> DesktopFilesUnder(const std::filesystem::path& folder);
// The desktops the user runs, from $XDG_CURRENT_DESKTOP ("ubuntu:GNOME").
std::vector<String> CurrentDesktops();

}  // namespace fw::platform
