#pragma once
// The Qt side of a picture; only the framework's own sources include this.
#include <QImage>

#include "gui/Picture.h"

namespace fw {

struct Picture::Native {
  QImage image;
};

}  // namespace fw
