#pragma once
#include "Framework.h"
#include "dialogs/NotifyWindowLayout.h"

// The modal message window: the alert picture, a message and OK.
class NotifyWindow : public fw::WindowClass<NotifyWindow> {
  static constexpr fw::CodeSetFont kUnit0{.TextUnit = 0};

 public:
  static constexpr const char* kFullClassName = "NotifyWindow.NotifyWindow";

  void Layout() override;

  // The controls, in creation order: each is its accessor, and says how it
  // is made. Globals.ErrorMsg gives the picture at every message.
  fw::ControlSlot<NotifyWindowLayout::btnOk> btnOk{
      this, kUnit0, {fw::Bind<fw::events::Action>(&NotifyWindow::btnOk_Action)}};
  fw::ControlSlot<NotifyWindowLayout::stMsg> stMsg{this, kUnit0};
  fw::ControlSlot<NotifyWindowLayout::Canvas1> Canvas1{this};

  void btnOk_Action(fw::PushButton& me);
  void Event_Open() override;
};
