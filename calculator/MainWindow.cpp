#include "calculator/MainWindow.h"

#include "calculator/MainWindowLayout.h"
#include "common/MenuBar1.h"
#include "common/Pictures.h"

using fw::Ref;
using namespace fw::events;

Ref<MainWindow> MainWindow::Instance() {
  return fw::ImplicitInstance<MainWindow>("MainWindow.MainWindow");
}

void MainWindow::Layout() {
  MenuBar(MenuBar1::Instance());
  fw::SetProperties(*this, MainWindowLayout::Window);
}

void MainWindow::CreateControls() {
  CreateControls0();
}

namespace {
template <class C>
void TextUnit0(C& control) {
  control.TextUnit(0);
}
void Small(fw::StaticText& label) {
  label.TextSize(11.0f);
  label.TextUnit(0);
}
}  // namespace

void MainWindow::CreateControls0() {
  namespace L = MainWindowLayout;
  using fw::Bind;
  using fw::CreateControl;
  CreateControl<fw::StaticText>(*this, "StaticText1", L::StaticText1, TextUnit0<fw::StaticText>);
  CreateControl<fw::TextField>(*this, "edPercent", L::edPercent, TextUnit0<fw::TextField>,
                               {Bind<KeyDown>(&MainWindow::edPercent_KeyDown)});
  CreateControl<fw::TextField>(*this, "edValue", L::edValue, TextUnit0<fw::TextField>,
                               {Bind<KeyDown>(&MainWindow::edValue_KeyDown)});
  CreateControl<fw::StaticText>(*this, "stPlus", L::stPlus, TextUnit0<fw::StaticText>,
                                {Bind<MouseDown>(&MainWindow::stPlus_MouseDown)});
  CreateControl<fw::StaticText>(*this, "stMinus", L::stMinus, TextUnit0<fw::StaticText>,
                                {Bind<MouseDown>(&MainWindow::stMinus_MouseDown)});
  CreateControl<fw::PushButton>(*this, "btnCalc", L::btnCalc, TextUnit0<fw::PushButton>,
                                {Bind<Action>(&MainWindow::btnCalc_Action)});
  CreateControl<fw::PushButton>(*this, "btnClear", L::btnClear, TextUnit0<fw::PushButton>,
                                {Bind<Action>(&MainWindow::btnClear_Action)});
  CreateControl<fw::StaticText>(*this, "stAmount", L::stAmount, TextUnit0<fw::StaticText>,
                                {Bind<MouseDown>(&MainWindow::stAmount_MouseDown)});
  CreateControl<fw::StaticText>(*this, "StaticText2", L::StaticText2, TextUnit0<fw::StaticText>);
  CreateControl<fw::StaticText>(*this, "stClick", L::stClick, Small);
  CreateControl<fw::PushButton>(*this, "btnCalc1", L::btnCalc1, TextUnit0<fw::PushButton>,
                                {Bind<Action>(&MainWindow::btnCalc1_Action)});
  CreateControl<fw::StaticText>(*this, "stInfo2", L::stInfo2, Small,
                                {Bind<MouseEnter>(&MainWindow::stInfo2_MouseEnter),
                                 Bind<MouseExit>(&MainWindow::stInfo2_MouseExit),
                                 Bind<MouseDown>(&MainWindow::stInfo2_MouseDown)});
  CreateControl<fw::Canvas>(*this, "Canvas1", L::Canvas1,
                            [](fw::Canvas& canvas) { canvas.Backdrop(App48()); });
}

Ref<fw::StaticText> MainWindow::StaticText1() const {
  return Named<fw::StaticText>("StaticText1");
}
Ref<fw::TextField> MainWindow::edPercent() const {
  return Named<fw::TextField>("edPercent");
}
Ref<fw::TextField> MainWindow::edValue() const {
  return Named<fw::TextField>("edValue");
}
Ref<fw::StaticText> MainWindow::stPlus() const {
  return Named<fw::StaticText>("stPlus");
}
Ref<fw::StaticText> MainWindow::stMinus() const {
  return Named<fw::StaticText>("stMinus");
}
Ref<fw::PushButton> MainWindow::btnCalc() const {
  return Named<fw::PushButton>("btnCalc");
}
Ref<fw::PushButton> MainWindow::btnClear() const {
  return Named<fw::PushButton>("btnClear");
}
Ref<fw::StaticText> MainWindow::stAmount() const {
  return Named<fw::StaticText>("stAmount");
}
Ref<fw::StaticText> MainWindow::StaticText2() const {
  return Named<fw::StaticText>("StaticText2");
}
Ref<fw::StaticText> MainWindow::stClick() const {
  return Named<fw::StaticText>("stClick");
}
Ref<fw::PushButton> MainWindow::btnCalc1() const {
  return Named<fw::PushButton>("btnCalc1");
}
Ref<fw::StaticText> MainWindow::stInfo2() const {
  return Named<fw::StaticText>("stInfo2");
}
Ref<fw::Canvas> MainWindow::Canvas1() const {
  return Named<fw::Canvas>("Canvas1");
}
