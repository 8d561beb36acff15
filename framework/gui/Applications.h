#pragma once
// The Applications folder of a Linux desktop: installed desktop entries
// (freedesktop.org .desktop files) stand in for application bundles, so a
// child named "X.app" is the entry whose Name is X; "Calculator.app" is,
// failing that, the desktop's calculator found by its category.
#include <optional>
#include <vector>

#include "gui/FolderItem.h"

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

}  // namespace fw
