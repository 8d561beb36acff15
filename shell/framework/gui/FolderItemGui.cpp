#include <QImageReader>

#include "core/FolderItem.h"
#include "gui/Natives.h"

namespace fw {

Ref<Picture> FolderItem::OpenAsPicture() const {
  // QImage needs no display, so a loaded picture outlives the application.
  QImageReader reader(QString::fromStdString(Path().string()));
  QImage image = reader.read();
  if (image.isNull()) {
    return nullptr;
  }
  auto native = std::make_unique<Picture::Native>();
  native->image = std::move(image);
  return std::make_shared<Picture>(std::move(native));
}

}  // namespace fw
