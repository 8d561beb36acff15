#pragma once
// The application object as the windows below start-up see it: registered,
// with the shared menu bar; and the release of both that shut-down does.
#include "common/App.h"
#include "common/MenuBar1.h"

inline void RegisterAppObject() {
  fw::Ref<App> app = fw::RuntimeNewObject<App>();
  app->MenuBar(MenuBar1::Instance());
  fw::RuntimeRegisterAppObject(app);
}

inline void ReleaseWindowsAndMenuBar() {
  fw::RuntimeReleaseWindowLists();
  MenuBar1::implicitInstance.Exit();
}
