#pragma once
// The lock that decides which copy of the program runs: held for the life
// of the running copy, and released by the kernel however that copy ends.
#include "core/String.h"
#include "platform/Descriptor.h"

namespace fw::platform {

class InstanceLock {
 public:
  enum class State { Taken, HeldElsewhere, Failed };

  // Tries once, without waiting; the lock file is created 0600 if missing.
  explicit InstanceLock(const String& path);
  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&&) = delete;
  InstanceLock(const InstanceLock&) = delete;

  State GetState() const { return state_; }
  // Why it failed, for the user.
  const String& Problem() const { return problem_; }

 private:
  Descriptor fd_;
  State state_ = State::Failed;
  String problem_;
};

}  // namespace fw::platform
