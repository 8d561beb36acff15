#pragma once
#include <cstdint>
#include <optional>

#include "core/Menu.h"

namespace fw {

// The event object of an operating system request; the system only reads
// its class and ID codes.
class AppleEvent {};

class Application {
 public:
  virtual ~Application() = default;

  Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
  void MenuBar(Ref<fw::MenuBar> bar) { menuBar_ = std::move(bar); }

  // From the bundle's version information, read on first use.
  int32_t MajorVersion() const;
  int32_t MinorVersion() const;

  // The operating system's requests (the re-open request among them);
  // True when handled.
  virtual bool Event_HandleAppleEvent(AppleEvent& event, const String& eventClass,
                                      const String& eventID);

 private:
  struct Version {
    int32_t major = 0;
    int32_t minor = 0;
  };
  const Version& BundleVersion() const;

  Ref<fw::MenuBar> menuBar_;
  mutable std::optional<Version> version_;
};

}  // namespace fw
