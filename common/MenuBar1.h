#pragma once
#include "Framework.h"

// The one menu bar, shared by the application and the main window.
class MenuBar1 : public fw::MenuBar {
 public:
  // Builds the bar on the first call and returns the same one after.
  static fw::Ref<MenuBar1> Instance();

  // Replaces MenuItem's constructor and does not call it.
  void Constructor() override;
  // The File menu, then the Edit menu.
  virtual void Untitled0();
  virtual void Untitled1();

  // The system's own reference to the bar, dropped last at shut-down.
  struct ImplicitInstanceSlot {
    fw::Ref<MenuBar1> instance;
    void Exit() { instance = nullptr; }
  };
  static inline ImplicitInstanceSlot implicitInstance;
};
