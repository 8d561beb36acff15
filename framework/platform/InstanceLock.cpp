#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace fw::platform {

InstanceLock::InstanceLock(const String& path) {
  // Close-on-exec: a program started from here must not keep the lock.
  fd_.reset(open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!fd_.valid()) {
    problem_ = path + ": " + std::strerror(errno);
    return;
  }
  int status;
  do {
    status = flock(fd_.get(), LOCK_EX | LOCK_NB);
  } while (status != 0 && errno == EINTR);
  if (status == 0) {
    state_ = State::Taken;
    return;
  }
  int error = errno;
  fd_.reset();
  if (error == EWOULDBLOCK) {
    state_ = State::HeldElsewhere;
  } else {
    problem_ = path + ": " + std::strerror(error);
  }
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : fd_(std::move(other.fd_)),
      state_(std::exchange(other.state_, State::Failed)),
      problem_(std::move(other.problem_)) {}

}  // namespace fw::platform
