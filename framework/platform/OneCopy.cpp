#include "platform/OneCopy.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/Environment.h"
#include "platform/LaunchTime.h"
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
  String name = program + "-" + std::to_string(geteuid()) + "-" + DisplayKey();
  PrivateFolder folder = UserPrivateFolder(program, name.size() + std::strlen(".socket"));
  if (folder.path.empty()) {
    return {{}, {}, folder.problem};
  }
  String base = folder.path + "/" + name;
  return {base + ".lock", base + ".socket", {}};
}

String StartupToken() {
  String token = Env("XDG_ACTIVATION_TOKEN");
  return token.empty() ? Env("DESKTOP_STARTUP_ID") : token;
}

String HandOverToken(const String& program) {
  String token = StartupToken();
  return token.empty() ? LauncherStyleStartupId(program, XServerTime()) : token;
}

OneCopyClaim ClaimOneCopy(const OneCopyPlace& place, const std::function<String()>& token,
                          std::chrono::milliseconds bound) {
  OneCopyClaim claim;
  if (!place.problem.empty()) {
    claim.problem = place.problem;
    return claim;
  }
  Deadline deadline = std::chrono::steady_clock::now() + bound;
  std::optional<String> handed;
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
    if (!handed) {
      handed = token();
    }
    HandOverResult result = HandOverReopenRequest(place.socket, *handed, deadline);
    if (result == HandOverResult::Taken) {
      claim.outcome = OneCopyClaim::Outcome::HandedOver;
      return claim;
    }
    if (result == HandOverResult::NoAnswer || std::chrono::steady_clock::now() >= deadline) {
      claim.outcome = OneCopyClaim::Outcome::NoAnswer;
      return claim;
    }
    // No socket yet, or the running copy is busy: it may be starting, or
    // have just ended and let the lock go.
    std::this_thread::sleep_for(kRetryPause);
  }
}

}  // namespace fw::platform
