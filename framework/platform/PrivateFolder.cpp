#include "platform/PrivateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Descriptor.h"
#include "platform/Environment.h"

namespace fw::platform {
namespace {

String TempFolder() {
  String dir = Env("TMPDIR");
  while (dir.size() > 1 && dir.back() == '/') {
    dir.pop_back();
  }
  return dir.empty() ? String("/tmp") : dir;
}

}  // namespace

String PrivateFolderProblem(const String& path) {
  // Opened without following a link, so the checks are of what is used.
  Descriptor fd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ELOOP || errno == ENOTDIR) {
      return path + " is not a folder (or is a symbolic link)";
    }
    return path + ": " + std::strerror(errno);
  }
  struct stat info = {};
  if (fstat(fd.get(), &info) != 0) {
    return path + ": " + std::strerror(errno);
  }
  if (info.st_uid != geteuid()) {
    return path + " belongs to another user";
  }
  if ((info.st_mode & 077) != 0) {
    return path + " is open to other users";
  }
  return {};
}

PrivateFolder MakePrivateFolder(const String& path) {
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    return {{}, path + ": " + std::strerror(errno)};
  }
  String problem = PrivateFolderProblem(path);
  if (!problem.empty()) {
    return {{}, problem};
  }
  return {path, {}};
}

PrivateFolder UserPrivateFolder(const String& name, std::size_t room) {
  String runtime = Env("XDG_RUNTIME_DIR");
  // A runtime folder that cannot hold the socket would leave the program
  // with no single copy at all; the temp folder still gives one.
  bool fits = runtime.size() + 1 + room < sizeof(sockaddr_un::sun_path);
  if (!runtime.empty() && fits && PrivateFolderProblem(runtime).empty() &&
      access(runtime.c_str(), W_OK | X_OK) == 0) {
    return {runtime, {}};
  }
  return MakePrivateFolder(TempFolder() + "/" + name + "-" + std::to_string(geteuid()));
}

}  // namespace fw::platform
