#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace fw::platform {

InstanceLock::InstanceLock(const String& path) {
  // Close-on-exec: a program started from here must not keep the lock.
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    problem_ = path + ": " + std::strerror(errno);
    return;
  }
  int status;
  do {
    status = flock(fd_, LOCK_EX | LOCK_NB);
  } while (status != 0 && errno == EINTR);
  if (status == 0) {
    state_ = State::Taken;
    return;
  }
  int error = errno;
  close(fd_);
  fd_ = -1;
  if (error == EWOULDBLOCK) {
    state_ = State::HeldElsewhere;
  } else {
    problem_ = path + ": " + std::strerror(error);
  }
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      state_(std::exchange(other.state_, State::Failed)),
      problem_(std::move(other.problem_)) {}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) {
    close(fd_);
  }
}

}  // namespace fw::platform
