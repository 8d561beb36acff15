#include "common/Pictures.h"

using fw::Ref;

namespace {

// The one routine behind both accessors; each passes its own cache.
Ref<fw::Picture> BundlePicture(Ref<fw::Picture>& pic, const char* fileName) {
  if (!pic.IsNil()) {
    return pic;
  }
  Ref<fw::FolderItem> resources = fw::GetApplicationBundleResources();
  if (resources.IsNil()) {
    return nullptr;
  }
  Ref<fw::FolderItem> file = resources->Child(fileName);
  pic = file->OpenAsPicture();  // a Nil item raises NilObjectException here
  return pic;
}

}  // namespace

Ref<fw::Picture> App48() {
  static Ref<fw::Picture> pic;
  return BundlePicture(pic, "48.png");
}

Ref<fw::Picture> alert48() {
  static Ref<fw::Picture> pic;
  return BundlePicture(pic, "002.png");
}
