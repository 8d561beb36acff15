#include "common/App.h"

using fw::Ref;

Ref<App> App::Instance() {
  return fw::Cast<App>(fw::GetAppObject());
}

bool App::Event_HandleAppleEvent(fw::AppleEvent&, const fw::String& eventClass,
                                 const fw::String& eventID) {
  bool result = false;
  if (eventClass == "aevt" && eventID == "rapp") {
    Ref<fw::Window> window = reopenWindow_ ? reopenWindow_() : nullptr;
    window->Show();  // Nil raises NilObjectException
    result = true;
  }
  return result;
}
