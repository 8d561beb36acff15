#pragma once
// A folder that only this user can enter, for files that other users must
// neither read nor plant: the user's runtime folder, or one of the user's
// own in the temp folder.
#include <cstddef>

#include "core/String.h"

namespace fw::platform {

struct PrivateFolder {
  String path;     // empty when none can be had
  String problem;  // why not, for the user
};

// $XDG_RUNTIME_DIR when it is a private folder that this user may write in,
// and a socket named with ROOM bytes fits in it; otherwise NAME-UID in the
// temp folder ($TMPDIR, else /tmp), created when missing.
PrivateFolder UserPrivateFolder(const String& name, std::size_t room = 0);
// PATH, created 0700 when missing; refused unless it is a folder (not a
// symbolic link) that this user owns and no one else may enter.
PrivateFolder MakePrivateFolder(const String& path);
// Empty when PATH is such a folder; otherwise what is wrong with it.
String PrivateFolderProblem(const String& path);

}  // namespace fw::platform
