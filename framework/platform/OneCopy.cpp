#include "platform/OneCopy.h"

#include <unistd.h>

#include <cctype>
#include <thread>

#include "platform/Environment.h"
#include "platform/PrivateFolder.h"
#include "platform/ReopenSocket.h"

namespace fw::platform {
namespace {

// Between tries while the running copy is starting or busy.
constexpr std::chrono::milliseconds kRetryPause{20};

String DisplayKey() {
  String display = Env("DISPLAY");
  if (display.empty()) {
    display = Env("WAYLAND_DISPLAY");
  }
  if (display.empty()) {
    display = Env("QT_QPA_PLATFORM");
  }
  for (char& c : display) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.') {
      c = '_';
    }
  }
  return display;
}

}  // namespace

OneCopyPlace OneCopyPlaceFor(const String& program) {
  PrivateFolder folder = UserPrivateFolder(program);
  if (folder.path.empty()) {
    return {{}, {}, folder.problem};
  }
  String base = folder.path + "/" + program + "-" + std::to_string(geteuid()) + "-" + DisplayKey();
  return {base + ".lock", base + ".socket", {}};
}

String StartupToken() {
  String token = Env("XDG_ACTIVATION_TOKEN");
  return token.empty() ? Env("DESKTOP_STARTUP_ID") : token;
}

OneCopyClaim ClaimOneCopy(const OneCopyPlace& place, const String& token,
                          std::chrono::milliseconds bound) {
  OneCopyClaim claim;
  if (!place.problem.empty()) {
    claim.problem = place.problem;
    return claim;
  }
  Deadline deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    InstanceLock lock(place.lock);
    switch (lock.GetState()) {
      case InstanceLock::State::Taken:
        claim.outcome = OneCopyClaim::Outcome::Run;
        claim.lock.emplace(std::move(lock));
        return claim;
      case InstanceLock::State::Failed:
        claim.problem = lock.Problem();
        return claim;
      case InstanceLock::State::HeldElsewhere:
        break;
    }
    HandOverResult handed = HandOverReopenRequest(place.socket, token, deadline);
    if (handed == HandOverResult::Taken) {
      claim.outcome = OneCopyClaim::Outcome::HandedOver;
      return claim;
    }
    if (handed == HandOverResult::NoAnswer || std::chrono::steady_clock::now() >= deadline) {
      claim.outcome = OneCopyClaim::Outcome::NoAnswer;
      return claim;
    }
    // No socket yet, or the running copy is busy: it may be starting, or
    // have just ended and let the lock go.
    std::this_thread::sleep_for(kRetryPause);
  }
}

}  // namespace fw::platform
