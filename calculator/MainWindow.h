#pragma once
#include "Framework.h"
#include "calculator/MainWindowLayout.h"
#include "common/Pictures.h"

// The window that reads "What's [percentage] % of [value]" and shows the
// amount, the value plus it and the value minus it.
class MainWindow : public fw::WindowClass<MainWindow> {
  static constexpr fw::CodeSetFont kUnit0{.TextUnit = 0};
  static constexpr fw::CodeSetFont kSmall{.TextSize = 11.0f, .TextUnit = 0};

 public:
  static constexpr const char* kFullClassName = "MainWindow.MainWindow";

  void Layout() override;
  void CreateControls() override;

  // The controls, in creation order: each is its accessor, and says how it
  // is made.
  fw::ControlSlot<MainWindowLayout::StaticText1> StaticText1{this, kUnit0};
  fw::ControlSlot<MainWindowLayout::edPercent> edPercent{
      this, kUnit0, {fw::Bind<fw::events::KeyDown>(&MainWindow::edPercent_KeyDown)}};
  fw::ControlSlot<MainWindowLayout::edValue> edValue{
      this, kUnit0, {fw::Bind<fw::events::KeyDown>(&MainWindow::edValue_KeyDown)}};
  fw::ControlSlot<MainWindowLayout::stPlus> stPlus{
      this, kUnit0, {fw::Bind<fw::events::MouseDown>(&MainWindow::stPlus_MouseDown)}};
  fw::ControlSlot<MainWindowLayout::stMinus> stMinus{
      this, kUnit0, {fw::Bind<fw::events::MouseDown>(&MainWindow::stMinus_MouseDown)}};
  fw::ControlSlot<MainWindowLayout::btnCalc> btnCalc{
      this, kUnit0, {fw::Bind<fw::events::Action>(&MainWindow::btnCalc_Action)}};
  fw::ControlSlot<MainWindowLayout::btnClear> btnClear{
      this, kUnit0, {fw::Bind<fw::events::Action>(&MainWindow::btnClear_Action)}};
  fw::ControlSlot<MainWindowLayout::stAmount> stAmount{
      this, kUnit0, {fw::Bind<fw::events::MouseDown>(&MainWindow::stAmount_MouseDown)}};
  fw::ControlSlot<MainWindowLayout::StaticText2> StaticText2{this, kUnit0};
  fw::ControlSlot<MainWindowLayout::stClick> stClick{this, kSmall};
  fw::ControlSlot<MainWindowLayout::btnCalc1> btnCalc1{
      this, kUnit0, {fw::Bind<fw::events::Action>(&MainWindow::btnCalc1_Action)}};
  fw::ControlSlot<MainWindowLayout::stInfo2> stInfo2{
      this,
      kSmall,
      {fw::Bind<fw::events::MouseEnter>(&MainWindow::stInfo2_MouseEnter),
       fw::Bind<fw::events::MouseExit>(&MainWindow::stInfo2_MouseExit),
       fw::Bind<fw::events::MouseDown>(&MainWindow::stInfo2_MouseDown)}};
  fw::ControlSlot<MainWindowLayout::Canvas1> Canvas1{
      this, [](fw::Canvas& canvas) { canvas.Backdrop(App48()); }};

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
