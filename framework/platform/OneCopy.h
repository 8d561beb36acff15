#pragma once
// One running copy of the program per user and display. The lock decides
// which start runs; the socket beside it only carries the re-open request.
#include <chrono>
#include <functional>
#include <optional>

#include "core/String.h"
#include "platform/InstanceLock.h"

namespace fw::platform {

struct OneCopyPlace {
  String lock;
  String socket;
  String problem;  // set when there is no private place for them
};

// In the user's private folder, named after the program, the user and the
// display (DISPLAY, else WAYLAND_DISPLAY, else the Qt platform's name).
OneCopyPlace OneCopyPlaceFor(const String& program);

// The token that the launcher gave this start: XDG_ACTIVATION_TOKEN on
// Wayland, DESKTOP_STARTUP_ID on X11.
String StartupToken();
// The token to hand over: the launcher's, else on X11 one made as a launcher
// makes it, with the X server's time now; empty when neither can be had.
String HandOverToken(const String& program);

struct OneCopyClaim {
  enum class Outcome {
    Run,         // this start holds the lock
    RunAlone,    // no lock can be had: run without one
    HandedOver,  // the running copy took the request
    NoAnswer,    // a copy holds the lock but took no request in time
  };
  Outcome outcome = Outcome::RunAlone;
  std::optional<InstanceLock> lock;  // with Run
  String problem;                    // with RunAlone
};

// How long a start waits for a running copy that is still starting or busy.
constexpr std::chrono::milliseconds kHandOverBound{5000};

// Takes the lock, or hands the request with the token that TOKEN gives (asked
// once, only when another copy holds the lock) to the copy that holds it,
// retrying while that copy starts or is busy, until BOUND has passed.
OneCopyClaim ClaimOneCopy(const OneCopyPlace& place, const std::function<String()>& token,
                          std::chrono::milliseconds bound = kHandOverBound);
inline OneCopyClaim ClaimOneCopy(const OneCopyPlace& place, const String& token,
                                 std::chrono::milliseconds bound = kHandOverBound) {
  return ClaimOneCopy(
      place, [&token] { return token; }, bound);
}

}  // namespace fw::platform
