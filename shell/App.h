#pragma once
#include "Framework.h"

// The application object: it answers the re-open request.
class App : public fw::Application {
 public:
  // The registered application object; it creates nothing.
  static fw::Ref<App> Instance();

  bool Event_HandleAppleEvent(fw::AppleEvent& event, const fw::String& eventClass,
                              const fw::String& eventID) override;
};
