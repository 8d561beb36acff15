#pragma once
#include <unistd.h>

#include <utility>

namespace fw::platform {

// A file descriptor closed when it goes out of scope, so that no early
// return leaks one. -1 holds nothing.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    reset(other.release());
    return *this;
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Hands the descriptor over; this one then holds nothing.
  int release() { return std::exchange(fd_, -1); }
  // Closes what is held, then holds fd.
  void reset(int fd = -1) {
    if (fd_ >= 0 && fd_ != fd) {
      close(fd_);
    }
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

}  // namespace fw::platform
