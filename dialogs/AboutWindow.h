#pragma once
#include "Framework.h"

// Which program this is, its version, and how to reach its maker.
class AboutWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "AboutWindow.AboutWindow";
  AboutWindow() : fw::Window(kFullClassName) {}
  static fw::Ref<AboutWindow> Instance();

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  fw::Ref<fw::StaticText> stProgramName() const;
  fw::Ref<fw::StaticText> stVersion() const;
  fw::Ref<fw::StaticText> stCopyright() const;
  fw::Ref<fw::StaticText> stEmail() const;
  fw::Ref<fw::StaticText> stURL() const;
  fw::Ref<fw::Canvas> Canvas1() const;

  bool stEmail_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  bool stURL_MouseDown(fw::StaticText& me, int32_t x, int32_t y);
  void Event_Open() override;
};
