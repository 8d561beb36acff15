#include "calculator/MainWindow.h"

#include "calculator/MainWindowLayout.h"
#include "common/MenuBar1.h"
#include "common/Pictures.h"

using fw::Ref;
using namespace fw::events;

Ref<MainWindow> MainWindow::Instance() {
  return fw::ImplicitInstance<MainWindow>();
}

void MainWindow::Layout() {
  MenuBar(MenuBar1::Instance());
  fw::SetProperties(*this, MainWindowLayout::Window);
}

void MainWindow::CreateControls() {
  CreateControls0();
  // What assistive technology reads as each field's name.
  StaticText2()->Labels(*edPercent());
  StaticText1()->Labels(*edValue());
}

namespace {
constexpr fw::CodeSetFont kUnit0{.TextUnit = 0};
constexpr fw::CodeSetFont kSmall{.TextSize = 11.0f, .TextUnit = 0};
}  // namespace

void MainWindow::CreateControls0() {
  namespace L = MainWindowLayout;
  using fw::Bind;
  using fw::CreateControl;
  CreateControl<fw::StaticText>(*this, L::StaticText1, kUnit0);
  CreateControl<fw::TextField>(*this, L::edPercent, kUnit0,
                               {Bind<KeyDown>(&MainWindow::edPercent_KeyDown)});
  CreateControl<fw::TextField>(*this, L::edValue, kUnit0,
                               {Bind<KeyDown>(&MainWindow::edValue_KeyDown)});
  CreateControl<fw::StaticText>(*this, L::stPlus, kUnit0,
                                {Bind<MouseDown>(&MainWindow::stPlus_MouseDown)});
  CreateControl<fw::StaticText>(*this, L::stMinus, kUnit0,
                                {Bind<MouseDown>(&MainWindow::stMinus_MouseDown)});
  CreateControl<fw::PushButton>(*this, L::btnCalc, kUnit0,
                                {Bind<Action>(&MainWindow::btnCalc_Action)});
  CreateControl<fw::PushButton>(*this, L::btnClear, kUnit0,
                                {Bind<Action>(&MainWindow::btnClear_Action)});
  CreateControl<fw::StaticText>(*this, L::stAmount, kUnit0,
                                {Bind<MouseDown>(&MainWindow::stAmount_MouseDown)});
  CreateControl<fw::StaticText>(*this, L::StaticText2, kUnit0);
  CreateControl<fw::StaticText>(*this, L::stClick, kSmall);
  CreateControl<fw::PushButton>(*this, L::btnCalc1, kUnit0,
                                {Bind<Action>(&MainWindow::btnCalc1_Action)});
  CreateControl<fw::StaticText>(*this, L::stInfo2, kSmall,
                                {Bind<MouseEnter>(&MainWindow::stInfo2_MouseEnter),
                                 Bind<MouseExit>(&MainWindow::stInfo2_MouseExit),
                                 Bind<MouseDown>(&MainWindow::stInfo2_MouseDown)});
  CreateControl<fw::Canvas>(*this, L::Canvas1,
                            [](fw::Canvas& canvas) { canvas.Backdrop(App48()); });
}

Ref<fw::StaticText> MainWindow::StaticText1() const {
  return Control<fw::StaticText>("StaticText1");
}
Ref<fw::TextField> MainWindow::edPercent() const {
  return Control<fw::TextField>("edPercent");
}
Ref<fw::TextField> MainWindow::edValue() const {
  return Control<fw::TextField>("edValue");
}
Ref<fw::StaticText> MainWindow::stPlus() const {
  return Control<fw::StaticText>("stPlus");
}
Ref<fw::StaticText> MainWindow::stMinus() const {
  return Control<fw::StaticText>("stMinus");
}
Ref<fw::PushButton> MainWindow::btnCalc() const {
  return Control<fw::PushButton>("btnCalc");
}
Ref<fw::PushButton> MainWindow::btnClear() const {
  return Control<fw::PushButton>("btnClear");
}
Ref<fw::StaticText> MainWindow::stAmount() const {
  return Control<fw::StaticText>("stAmount");
}
Ref<fw::StaticText> MainWindow::StaticText2() const {
  return Control<fw::StaticText>("StaticText2");
}
Ref<fw::StaticText> MainWindow::stClick() const {
  return Control<fw::StaticText>("stClick");
}
Ref<fw::PushButton> MainWindow::btnCalc1() const {
  return Control<fw::PushButton>("btnCalc1");
}
Ref<fw::StaticText> MainWindow::stInfo2() const {
  return Control<fw::StaticText>("stInfo2");
}
Ref<fw::Canvas> MainWindow::Canvas1() const {
  return Control<fw::Canvas>("Canvas1");
}
