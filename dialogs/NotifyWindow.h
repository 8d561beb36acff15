#pragma once
#include "Framework.h"

// The modal message window: the alert picture, a message and OK.
class NotifyWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "NotifyWindow.NotifyWindow";
  NotifyWindow() : fw::Window(kFullClassName) {}
  static fw::Ref<NotifyWindow> Instance();

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  fw::Ref<fw::PushButton> btnOk() const;
  fw::Ref<fw::StaticText> stMsg() const;
  fw::Ref<fw::Canvas> Canvas1() const;

  void btnOk_Action(fw::PushButton& me);
  void Event_Open() override;
};
