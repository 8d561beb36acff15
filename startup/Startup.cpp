#include "startup/Startup.h"

#include "calculator/MainWindow.h"
#include "common/App.h"
#include "common/MenuBar1.h"
#include "common/Pictures.h"

using fw::Ref;

void RunMain() {
  try {
    fw::RunFrameworkInitialization(&Startup);
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
}

void Startup() {
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
}

// The program opens and saves no documents.
void InitFileTypes() {}

void NewAppInstance() {
  Ref<App> app = fw::RuntimeNewObject<App>();
  app.Get();  // Nil raises NilObjectException
  // The installed desktop entry's name, so that a Wayland compositor finds
  // the entry and its icon; set before the first window.
  app->DesktopFileName("zazudedid-idarero");
  // The picture the main window shows anyway, loaded once for both.
  app->WindowIcon(App48());
  app->ReopenWindow([] { return Ref<fw::Window>(MainWindow::Instance()); });
  Ref<MenuBar1> bar = MenuBar1::Instance();
  app->MenuBar(bar);
  fw::RuntimeRegisterAppObject(app);
}

// Only the main window registers a menu handler, for itself.
void ApplicationAddMenuHandlers() {}

// The layout makes the main window visible.
void MakeDefaultView() {
  MainWindow::Instance();
}

void Finalise() {
  fw::RuntimeReleaseWindowLists();
  MenuBar1::implicitInstance.Exit();
}
