#pragma once
// Control events by name. A handler is a method of the window that takes the
// control that raised the event (`me`) and the event's arguments; binding one
// whose signature does not fit the event fails to compile.
#include <cstdint>
#include <functional>
#include <type_traits>

#include "core/Ref.h"

namespace fw {

class Control;

namespace events {
struct KeyDown {
  static constexpr const char* Name = "KeyDown";
  using Signature = bool(const String& key);
};
struct MouseDown {
  static constexpr const char* Name = "MouseDown";
  using Signature = bool(int32_t x, int32_t y);
};
struct MouseEnter {
  static constexpr const char* Name = "MouseEnter";
  using Signature = void();
};
struct MouseExit {
  static constexpr const char* Name = "MouseExit";
  using Signature = void();
};
struct Action {
  static constexpr const char* Name = "Action";
  using Signature = void();
};
}  // namespace events

struct EventHandlerBase {
  virtual ~EventHandlerBase() = default;
};

template <class Signature>
struct EventHandler;

template <class R, class... A>
struct EventHandler<R(A...)> : EventHandlerBase {
  std::function<R(Control& me, A...)> call;
};

// Installing a handler on one control object.
using Binding = std::function<void(Control&)>;

}  // namespace fw
