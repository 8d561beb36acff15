#pragma once
#include <cstdlib>

#include "core/String.h"

namespace fw::platform {

// An environment variable's value; empty when it is unset.
inline String Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? String(value) : String();
}

}  // namespace fw::platform
