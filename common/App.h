#pragma once
#include <functional>

#include "Framework.h"

// The application object: it answers the re-open request.
class App : public fw::Application {
 public:
  // The registered application object; it creates nothing.
  static fw::Ref<App> Instance();

  bool Event_HandleAppleEvent(fw::AppleEvent& event, const fw::String& eventClass,
                              const fw::String& eventID) override;

  // The window the re-open request shows. The main window sits in a layer
  // above this one, so start-up hands in its accessor.
  void ReopenWindow(std::function<fw::Ref<fw::Window>()> accessor) {
    reopenWindow_ = std::move(accessor);
  }

 private:
  std::function<fw::Ref<fw::Window>()> reopenWindow_;
};
