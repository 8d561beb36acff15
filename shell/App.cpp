#include "shell/App.h"

#include "calculator/MainWindow.h"

using fw::Ref;

Ref<App> App::Instance() {
  return fw::Cast<App>(fw::GetAppObject());
}

bool App::Event_HandleAppleEvent(fw::AppleEvent&, const fw::String& eventClass,
                                 const fw::String& eventID) {
  bool result = false;
  if (eventClass == "aevt" && eventID == "rapp") {
    Ref<MainWindow> window = MainWindow::Instance();
    window->Show();  // Nil raises NilObjectException
    result = true;
  }
  return result;
}
