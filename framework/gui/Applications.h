#pragma once
// The Applications folder of a Linux desktop: installed desktop entries
// (freedesktop.org .desktop files) stand in for application bundles, so a
// child named "X.app" is the entry whose Name is X, unless the program maps
// that child to an entry of its own choice.
#include <optional>
#include <vector>

#include "core/DesktopEntry.h"
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

// Makes the Applications folder's child `bundleName` ("Calculator.app")
// the entry the query finds, for as long as the program runs. Held at
// namespace scope, so that the mapping is in place before any search.
class MappedApplication {
 public:
  MappedApplication(const String& bundleName, DesktopEntryQuery query);
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
