#pragma once
#include <filesystem>
#include <vector>

#include "core/Ref.h"

namespace fw {

class Picture;

class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}
  virtual ~FolderItem() = default;

  // An item for the name, whether or not it exists; Nil only for a name that
  // cannot be a child ("", ".", "..", or one holding "/").
  virtual Ref<FolderItem> Child(const String& name) const;
  // Nil at the root.
  Ref<FolderItem> Parent() const;
  virtual bool Exists() const;
  virtual String AbsolutePath() const;
  // Starts the item as a program of its own; LastErrorCode then tells how.
  virtual void Launch(bool activate);
  int32_t LastErrorCode() const { return lastErrorCode_; }
  // Nil when the file is missing, is no regular file or is no picture.
  Ref<Picture> OpenAsPicture() const;

  const std::filesystem::path& Path() const { return path_; }

 protected:
  void LastErrorCode(int32_t code) { lastErrorCode_ = code; }

 private:
  std::filesystem::path path_;
  int32_t lastErrorCode_ = 0;
};

// The item of the running executable.
Ref<FolderItem> ExecutableFile();
// The folder "Resources" beside the folder that holds the executable.
Ref<FolderItem> GetApplicationBundleResources();

}  // namespace fw
