#include "dialogs/NotifyWindow.h"

#include "common/SharedTexts.h"
#include "dialogs/NotifyWindowLayout.h"

using fw::Ref;

Ref<NotifyWindow> NotifyWindow::Instance() {
  return fw::ImplicitInstance<NotifyWindow>("NotifyWindow.NotifyWindow");
}

void NotifyWindow::Layout() {
  fw::SetProperties(*this, NotifyWindowLayout::Window);
}

void NotifyWindow::CreateControls() {
  CreateControls0();
}

void NotifyWindow::CreateControls0() {
  namespace L = NotifyWindowLayout;
  fw::CreateControl<fw::PushButton>(*this, "btnOk", L::btnOk,
                                    [](fw::PushButton& button) { button.TextUnit(0); },
                                    {fw::Bind<fw::events::Action>(&NotifyWindow::btnOk_Action)});
  fw::CreateControl<fw::StaticText>(*this, "stMsg", L::stMsg,
                                    [](fw::StaticText& label) { label.TextUnit(0); });
  // Globals.ErrorMsg gives the picture at every message.
  fw::CreateControl<fw::Canvas>(*this, "Canvas1", L::Canvas1);
}

Ref<fw::PushButton> NotifyWindow::btnOk() const {
  return fw::Cast<fw::PushButton>(fw::RuntimeWindowControlByName(*this, "btnOk"));
}
Ref<fw::StaticText> NotifyWindow::stMsg() const {
  return fw::Cast<fw::StaticText>(fw::RuntimeWindowControlByName(*this, "stMsg"));
}
Ref<fw::Canvas> NotifyWindow::Canvas1() const {
  return fw::Cast<fw::Canvas>(fw::RuntimeWindowControlByName(*this, "Canvas1"));
}

void NotifyWindow::btnOk_Action(fw::PushButton&) {
  Close();
}

void NotifyWindow::Event_Open() {
  Title(fw::String(DisplayName));
}
