#include "gui/Application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "gui/BundleVersion.h"
#include "gui/FolderItem.h"
#include "gui/Picture_p.h"
#include "platform/Files.h"

namespace fw {
namespace {

// An Info.plist is a few hundred bytes.
constexpr size_t kMaxInfoPlistBytes = size_t{1} << 20;

}  // namespace

const Application::Version& Application::BundleVersion() const {
  if (!version_) {
    version_ = Version{};
    Ref<FolderItem> executable = ExecutableFile();
    if (!executable.IsNil()) {
      auto text = platform::ReadRegularFile(
          executable->Path().parent_path().parent_path() / "Info.plist", kMaxInfoPlistBytes);
      auto [major, minor] = ParseBundleVersion(text.value_or(String()));
      version_ = Version{major, minor};
    }
  }
  return *version_;
}

int32_t Application::MajorVersion() const {
  return BundleVersion().major;
}
int32_t Application::MinorVersion() const {
  return BundleVersion().minor;
}

void Application::DesktopFileName(const String& name) {
  QGuiApplication::setDesktopFileName(QString::fromStdString(name));
}

void Application::WindowIcon(const Ref<Picture>& picture) {
  if (!picture.IsNil()) {
    // The windows draw the same decoded picture; only the pixmap is new.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(picture->native().image)));
  }
}

bool Application::Event_HandleAppleEvent(AppleEvent&, const String&, const String&) {
  return false;
}

}  // namespace fw
