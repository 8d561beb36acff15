#pragma once
// The Applications folder of a Linux desktop: installed desktop entries
// (freedesktop.org .desktop files) stand in for application bundles, so a
// child named "X.app" is the entry whose Name is X.
#include <optional>
#include <vector>

#include "core/FolderItem.h"

namespace fw {

class ApplicationsFolder : public FolderItem {
 public:
  // The applications folders in search order: the user's first.
  explicit ApplicationsFolder(std::vector<std::filesystem::path> searchPath);
  Ref<FolderItem> Child(const String& name) const override;
  bool Exists() const override { return true; }
  // The user's applications folder, the first one searched.
  String AbsolutePath() const override;

 private:
  std::vector<std::filesystem::path> searchPath_;
};

// One desktop entry, found or not.
class DesktopEntryItem : public FolderItem {
 public:
  // An entry that was not found is named after the folder and the name asked.
  DesktopEntryItem(std::filesystem::path path, std::optional<std::vector<String>> command);
  bool Exists() const override { return command_.has_value(); }
  // Starts the entry's command detached, without a shell.
  void Launch(bool activate) override;

 private:
  std::optional<std::vector<String>> command_;
};

// $XDG_DATA_HOME/applications (or ~/.local/share/applications), then each
// of $XDG_DATA_DIRS (or /usr/local/share:/usr/share) with /applications.
std::vector<std::filesystem::path> ApplicationsSearchPath();

struct DesktopEntry {
  String name;
  String exec;
  bool hidden = false;
  // Empty when the entry gives no Type.
  String type;
};
// The [Desktop Entry] group's Name, Exec, Hidden and Type; Nil-like nullopt when
// the text has no such group.
std::optional<DesktopEntry> ParseDesktopEntry(const String& text);
// Exec split into arguments as the desktop entry rules quote them, with the
// field codes (%f, %U, ...) removed and "%%" kept as "%".
std::vector<String> ExecArguments(const String& exec);

}  // namespace fw
