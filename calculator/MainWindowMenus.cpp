// The menu item accessors, the About command and the title.
#include "calculator/MainWindow.h"
#include "common/SharedTexts.h"
#include "dialogs/AboutWindow.h"

using fw::Ref;

template <class I>
Ref<I> MainWindow::MenuItemNamed(const char* name) const {
  Ref<fw::MenuBar> bar = MenuBar();
  return fw::Cast<I>(bar->Lookup(name));  // a Nil bar raises NilObjectException
}

Ref<fw::MenuItem> MainWindow::EditMenu() const {
  return MenuItemNamed<fw::MenuItem>("EditMenu");
}
Ref<fw::MenuItem> MainWindow::EditSelectAll() const {
  return MenuItemNamed<fw::MenuItem>("EditSelectAll");
}
Ref<fw::MenuItem> MainWindow::UntitledMenu0() const {
  return MenuItemNamed<fw::MenuItem>("UntitledMenu0");
}
Ref<fw::MenuItem> MainWindow::EditClear() const {
  return MenuItemNamed<fw::MenuItem>("EditClear");
}
Ref<fw::MenuItem> MainWindow::EditPaste() const {
  return MenuItemNamed<fw::MenuItem>("EditPaste");
}
Ref<fw::MenuItem> MainWindow::EditCopy() const {
  return MenuItemNamed<fw::MenuItem>("EditCopy");
}
Ref<fw::MenuItem> MainWindow::EditCut() const {
  return MenuItemNamed<fw::MenuItem>("EditCut");
}
Ref<fw::MenuItem> MainWindow::UntitledMenu1() const {
  return MenuItemNamed<fw::MenuItem>("UntitledMenu1");
}
Ref<fw::MenuItem> MainWindow::EditUndo() const {
  return MenuItemNamed<fw::MenuItem>("EditUndo");
}
Ref<fw::MenuItem> MainWindow::FileMenu() const {
  return MenuItemNamed<fw::MenuItem>("FileMenu");
}
Ref<fw::AppleMenuItem> MainWindow::FileAbout() const {
  return MenuItemNamed<fw::AppleMenuItem>("FileAbout");
}
Ref<fw::QuitMenuItem> MainWindow::FileQuit() const {
  return MenuItemNamed<fw::QuitMenuItem>("FileQuit");
}

void MainWindow::AddMenuHandlers(fw::Window& window) {
  auto& self = dynamic_cast<MainWindow&>(window);
  fw::AddMenuHandler(self, "FileAbout", &MainWindow::FileAbout_Action);
}

void MainWindow::Event_Open() {
  Title(fw::String(DisplayName));
}

bool MainWindow::FileAbout_Action() {
  Ref<AboutWindow> about = AboutWindow::Instance();
  about->ShowModal();  // Nil raises NilObjectException
  return true;
}
