#include "gui/Picture.h"

#include "gui/Picture_p.h"

namespace fw {

Picture::Picture(std::unique_ptr<Native> native) : native_(std::move(native)) {}
Picture::~Picture() = default;
int Picture::Width() const {
  return native_->image.width();
}
int Picture::Height() const {
  return native_->image.height();
}

}  // namespace fw
