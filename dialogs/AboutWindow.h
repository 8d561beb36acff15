#pragma once
#include "Framework.h"
#include "common/Pictures.h"
#include "dialogs/AboutWindowLayout.h"

// Which program this is, its version, and how to reach its maker.
class AboutWindow : public fw::WindowClass<AboutWindow> {
  static constexpr fw::CodeSetFont kLarge{.TextSize = 14.0f, .TextUnit = 0};
  static constexpr fw::CodeSetFont kNormal{.TextSize = 12.0f, .TextUnit = 0};

 public:
  static constexpr const char* kFullClassName = "AboutWindow.AboutWindow";

  void Layout() override;

  // The controls, in creation order: each is its accessor, and says how it
  // is made.
  fw::ControlSlot<AboutWindowLayout::stProgramName> stProgramName{this, kLarge};
  fw::ControlSlot<AboutWindowLayout::stVersion> stVersion{this, kNormal};
  fw::ControlSlot<AboutWindowLayout::stCopyright> stCopyright{this, kNormal};
  fw::ControlSlot<AboutWindowLayout::stEmail> stEmail{
      this, kNormal, {fw::Bind<fw::events::MouseDown>(&AboutWindow::stEmail_MouseDown)}};
  fw::ControlSlot<AboutWindowLayout::stURL> stURL{
      this, kNormal, {fw::Bind<fw::events::MouseDown>(&AboutWindow::stURL_MouseDown)}};
  fw::ControlSlot<AboutWindowLayout::Canvas1> Canvas1{
      this, [](fw::Canvas& canvas) { canvas.Backdrop(App48()); }};

  bool stEmail_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  bool stURL_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  void Event_Open() override;
};
