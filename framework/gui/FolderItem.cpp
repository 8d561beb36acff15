#include "gui/FolderItem.h"

#include <QBuffer>
#include <QImageReader>
#include <system_error>

#include "gui/FolderItem_p.h"
#include "gui/Picture_p.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace fw {
namespace {

// Far above any picture the program shows; a larger file counts as none.
constexpr size_t kMaxPictureBytes = size_t{64} << 20;

}  // namespace

std::filesystem::path& ExecutableOverride() {
  static std::filesystem::path path;
  return path;
}

Ref<FolderItem> FolderItem::Child(const String& name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != String::npos ||
      name.find('\0') != String::npos) {
    return nullptr;
  }
  return std::make_shared<FolderItem>(path_ / name);
}

Ref<FolderItem> FolderItem::Parent() const {
  if (!path_.has_relative_path()) {
    return nullptr;
  }
  return std::make_shared<FolderItem>(path_.parent_path());
}

bool FolderItem::Exists() const {
  std::error_code error;
  return std::filesystem::exists(path_, error);
}

String FolderItem::AbsolutePath() const {
  return std::filesystem::absolute(path_).string();
}

void FolderItem::Launch(bool) {
  LastErrorCode(platform::LaunchDetached({path_.string()}));
}

Ref<FolderItem> ExecutableFile() {
  if (!ExecutableOverride().empty()) {
    return std::make_shared<FolderItem>(ExecutableOverride());
  }
  auto path = platform::ExecutablePath();
  if (path.empty()) {
    return nullptr;
  }
  return std::make_shared<FolderItem>(path);
}

Ref<FolderItem> GetApplicationBundleResources() {
  Ref<FolderItem> executable = ExecutableFile();
  Ref<FolderItem> macOS = executable->Parent();
  Ref<FolderItem> contents = macOS->Parent();
  return contents->Child("Resources");
}

Ref<Picture> FolderItem::OpenAsPicture() const {
  // Only a regular file: a FIFO or a device in its place must not block.
  auto bytes = platform::ReadRegularFile(Path(), kMaxPictureBytes);
  if (!bytes) {
    return nullptr;
  }
  QByteArray data = QByteArray::fromStdString(*bytes);
  QBuffer buffer(&data);
  // QImage needs no display, so a loaded picture outlives the application.
  QImageReader reader(&buffer);
  QImage image = reader.read();
  if (image.isNull()) {
    return nullptr;
  }
  auto native = std::make_unique<Picture::Native>();
  native->image = std::move(image);
  return std::make_shared<Picture>(std::move(native));
}

}  // namespace fw
