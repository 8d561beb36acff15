#pragma once
#include <cstdint>
#include <optional>

#include "core/Menu.h"
#include "gui/Picture.h"

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

  // The name of the program's desktop entry, without ".desktop": the app
  // id of its windows on Wayland, which ties them to the entry and its
  // icon. Set before the first window is shown.
  void DesktopFileName(const String& name);
  // The icon of every window that has none of its own; a Nil picture
  // leaves the desktop's generic one.
  void WindowIcon(const Ref<Picture>& picture);

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
