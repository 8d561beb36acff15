#pragma once
#include <stdexcept>

#include "core/String.h"

namespace fw {

// The root of the framework's own failures; ClassName is what the last-resort
// handler reports.
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const String& message) : std::runtime_error(message) {}
  virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

// A member of a Nil object was about to be used.
class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const String& message = "a Nil object was used")
      : RuntimeException(message) {}
  const char* ClassName() const noexcept override { return "NilObjectException"; }
};

}  // namespace fw
