#include "platform/DesktopFiles.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <set>
#include <string_view>
#include <system_error>

#include "platform/Environment.h"

namespace fw::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDesktopSuffix = ".desktop";
// Entries sit at most a level or two deep; the bounds only keep a folder
// that links to a large tree (say /usr) from costing seconds per search.
constexpr int kMaxDepth = 8;
constexpr size_t kMaxFoldersEntered = 256;
constexpr size_t kMaxEntriesLookedAt = 20000;

struct FolderId {
  dev_t device;
  ino_t inode;
  friend auto operator<=>(const FolderId&, const FolderId&) = default;
};

class Walk {
 public:
  // Enters the folder (following a symlink) unless it was entered before;
  // the names are taken in sorted order, so the files come out sorted.
  void Folder(const fs::path& dir, const fs::path& relative, int depth) {
    struct stat status {};
    if (entered_.size() >= kMaxFoldersEntered || stat(dir.c_str(), &status) != 0 ||
        !S_ISDIR(status.st_mode) || !entered_.insert({status.st_dev, status.st_ino}).second) {
      return;
    }
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
      if (++lookedAt_ > kMaxEntriesLookedAt) {
        break;
      }
      entries.push_back(*it);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
      return a.path().filename() < b.path().filename();
    });
    for (const auto& entry : entries) {
      const fs::path name = entry.path().filename();
      // The types come with the listing; only symlinks cost a stat.
      std::error_code typeError;
      if (entry.is_directory(typeError)) {
        if (depth < kMaxDepth) {
          Folder(entry.path(), relative / name, depth + 1);
        }
      } else if (std::string_view(name.native()).ends_with(kDesktopSuffix) &&
                 entry.is_regular_file(typeError)) {
        found_.push_back(relative / name);
      }
    }
  }
  std::vector<fs::path> Found() && { return std::move(found_); }

 private:
  std::set<FolderId> entered_;
  size_t lookedAt_ = 0;
  std::vector<fs::path> found_;
};

}  // namespace

std::vector<std::filesystem::path> DesktopFilesUnder(const std::filesystem::path& folder) {
  Walk walk;
  walk.Folder(folder, {}, 0);
  return std::move(walk).Found();
}

std::vector<String> CurrentDesktops() {
  std::vector<String> desktops;
  const String value = Env("XDG_CURRENT_DESKTOP");
  std::string_view rest = value;
  while (!rest.empty()) {
    auto end = rest.find(':');
    if (end != 0) {
      desktops.emplace_back(rest.substr(0, end));
    }
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return desktops;
}

std::vector<std::filesystem::path> ApplicationsSearchPath() {
  std::vector<fs::path> folders;
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
    folders.emplace_back(QFile::encodeName(folder).toStdString());
  }
  // Qt 6.4 takes a relative XDG_DATA_HOME as it is; the base directory
  // rules say to ignore it. The user's folder is always the first.
  if (!folders.empty() && folders.front().is_relative()) {
    folders.front() =
        QFile::encodeName(QDir::homePath()).toStdString() + "/.local/share/applications";
  }
  return folders;
}

}  // namespace fw::platform
