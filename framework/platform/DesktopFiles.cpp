#include "platform/DesktopFiles.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace fw::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDesktopSuffix = ".desktop";
// Folder symlinks are not followed, so this only guards against absurd trees.
constexpr int kMaxDepth = 32;

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

const char* NonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

fs::path HomeFolder() {
  if (const char* home = NonEmptyEnv("HOME")) {
    return home;
  }
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* result = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result &&
      result->pw_dir && *result->pw_dir) {
    return result->pw_dir;
  }
  return {};
}

// Relative paths of the regular *.desktop files under dir, at any depth.
void Collect(const fs::path& dir, const fs::path& relative, std::vector<fs::path>& found,
             int depth) {
  std::error_code error;
  fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code statusError;
    fs::path name = it->path().filename();
    // Not following folder symlinks keeps a link loop from trapping the walk.
    if (it->is_directory(statusError) && !it->is_symlink(statusError)) {
      if (depth < kMaxDepth) {
        Collect(it->path(), relative / name, found, depth + 1);
      }
    } else if (EndsWith(name.native(), kDesktopSuffix) && it->is_regular_file(statusError)) {
      found.push_back(relative / name);
    }
  }
}

}  // namespace

std::vector<std::filesystem::path> DesktopFilesUnder(const std::filesystem::path& folder) {
  std::vector<fs::path> found;
  Collect(folder, {}, found, 0);
  return found;
}

std::vector<std::filesystem::path> ApplicationsSearchPath() {
  std::vector<fs::path> folders;
  const char* dataHome = NonEmptyEnv("XDG_DATA_HOME");
  if (dataHome && fs::path(dataHome).is_absolute()) {
    folders.push_back(fs::path(dataHome) / "applications");
  } else if (fs::path home = HomeFolder(); !home.empty()) {
    folders.push_back(home / ".local/share/applications");
  }
  const char* dataDirs = NonEmptyEnv("XDG_DATA_DIRS");
  std::string_view dirs = dataDirs ? dataDirs : "/usr/local/share:/usr/share";
  while (true) {
    auto end = dirs.find(':');
    fs::path dir(dirs.substr(0, end));
    // Relative entries are invalid by the base directory rules.
    if (dir.is_absolute()) {
      folders.push_back(dir / "applications");
    }
    if (end == std::string_view::npos) {
      break;
    }
    dirs.remove_prefix(end + 1);
  }
  return folders;
}

}  // namespace fw::platform
