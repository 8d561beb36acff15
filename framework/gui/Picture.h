#pragma once
#include <memory>

namespace fw {

// A decoded image; controls draw it, the system only hands it on.
class Picture {
 public:
  struct Native;
  explicit Picture(std::unique_ptr<Native> native);
  ~Picture();
  int Width() const;
  int Height() const;
  const Native& native() const { return *native_; }

 private:
  std::unique_ptr<Native> native_;
};

}  // namespace fw
