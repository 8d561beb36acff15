#include "dialogs/NotifyWindow.h"

#include "common/SharedTexts.h"
#include "dialogs/NotifyWindowLayout.h"

using fw::Ref;

Ref<NotifyWindow> NotifyWindow::Instance() {
  return fw::ImplicitInstance<NotifyWindow>();
}

void NotifyWindow::Layout() {
  fw::SetProperties(*this, NotifyWindowLayout::Window);
}

void NotifyWindow::CreateControls() {
  CreateControls0();
}

namespace {
constexpr fw::CodeSetFont kUnit0{.TextUnit = 0};
}  // namespace

void NotifyWindow::CreateControls0() {
  namespace L = NotifyWindowLayout;
  fw::CreateControl<fw::PushButton>(*this, L::btnOk, kUnit0,
                                    {fw::Bind<fw::events::Action>(&NotifyWindow::btnOk_Action)});
  fw::CreateControl<fw::StaticText>(*this, L::stMsg, kUnit0);
  // Globals.ErrorMsg gives the picture at every message.
  fw::CreateControl<fw::Canvas>(*this, L::Canvas1);
}

Ref<fw::PushButton> NotifyWindow::btnOk() const {
  return Control<fw::PushButton>("btnOk");
}
Ref<fw::StaticText> NotifyWindow::stMsg() const {
  return Control<fw::StaticText>("stMsg");
}
Ref<fw::Canvas> NotifyWindow::Canvas1() const {
  return Control<fw::Canvas>("Canvas1");
}

void NotifyWindow::btnOk_Action(fw::PushButton&) {
  Close();
}

void NotifyWindow::Event_Open() {
  Title(fw::String(DisplayName));
}
