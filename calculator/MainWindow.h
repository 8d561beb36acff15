#pragma once
#include "Framework.h"

// The window that reads "What's [percentage] % of [value]" and shows the
// amount, the value plus it and the value minus it.
class MainWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "MainWindow.MainWindow";
  MainWindow() : fw::Window(kFullClassName) {}
  // The open main window, or a new one.
  static fw::Ref<MainWindow> Instance();

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  fw::Ref<fw::StaticText> StaticText1() const;
  fw::Ref<fw::TextField> edPercent() const;
  fw::Ref<fw::TextField> edValue() const;
  fw::Ref<fw::StaticText> stPlus() const;
  fw::Ref<fw::StaticText> stMinus() const;
  fw::Ref<fw::PushButton> btnCalc() const;
  fw::Ref<fw::PushButton> btnClear() const;
  fw::Ref<fw::StaticText> stAmount() const;
  fw::Ref<fw::StaticText> StaticText2() const;
  fw::Ref<fw::StaticText> stClick() const;
  fw::Ref<fw::PushButton> btnCalc1() const;
  fw::Ref<fw::StaticText> stInfo2() const;
  fw::Ref<fw::Canvas> Canvas1() const;

  bool edPercent_KeyDown(fw::TextField& me, const fw::String& key);
  bool edValue_KeyDown(fw::TextField& me, const fw::String& key);
  bool stPlus_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  bool stMinus_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  void btnCalc_Action(fw::PushButton& me);
  void btnClear_Action(fw::PushButton& me);
  bool stAmount_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  void btnCalc1_Action(fw::PushButton& me);
  void stInfo2_MouseEnter(fw::StaticText& me);
  void stInfo2_MouseExit(fw::StaticText& me);
  bool stInfo2_MouseDown(fw::StaticText& me, int32_t x, int32_t y);

  fw::Ref<fw::MenuItem> EditMenu() const;
  fw::Ref<fw::MenuItem> EditSelectAll() const;
  fw::Ref<fw::MenuItem> UntitledMenu0() const;
  fw::Ref<fw::MenuItem> EditClear() const;
  fw::Ref<fw::MenuItem> EditPaste() const;
  fw::Ref<fw::MenuItem> EditCopy() const;
  fw::Ref<fw::MenuItem> EditCut() const;
  fw::Ref<fw::MenuItem> UntitledMenu1() const;
  fw::Ref<fw::MenuItem> EditUndo() const;
  fw::Ref<fw::MenuItem> FileMenu() const;
  fw::Ref<fw::AppleMenuItem> FileAbout() const;
  fw::Ref<fw::QuitMenuItem> FileQuit() const;

  void AddMenuHandlers(fw::Window& window) override;
  void Event_Open() override;
  bool FileAbout_Action();

  void CopyTo(const fw::String& text);

 protected:
  void Calc();

 private:
  template <class I>
  fw::Ref<I> MenuItemNamed(const char* name) const;
};
