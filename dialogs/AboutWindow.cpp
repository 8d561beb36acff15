#include "dialogs/AboutWindow.h"

#include "common/App.h"
#include "common/Pictures.h"
#include "common/SharedTexts.h"
#include "dialogs/AboutWindowLayout.h"

using fw::Ref;
using fw::String;

Ref<AboutWindow> AboutWindow::Instance() {
  return fw::ImplicitInstance<AboutWindow>();
}

void AboutWindow::Layout() {
  fw::SetProperties(*this, AboutWindowLayout::Window);
}

void AboutWindow::CreateControls() {
  CreateControls0();
}

namespace {
constexpr fw::CodeSetFont kLarge{.TextSize = 14.0f, .TextUnit = 0};
constexpr fw::CodeSetFont kNormal{.TextSize = 12.0f, .TextUnit = 0};
}  // namespace

void AboutWindow::CreateControls0() {
  namespace L = AboutWindowLayout;
  using fw::events::MouseDown;
  fw::CreateControl<fw::StaticText>(*this, L::stProgramName, kLarge);
  fw::CreateControl<fw::StaticText>(*this, L::stVersion, kNormal);
  fw::CreateControl<fw::StaticText>(*this, L::stCopyright, kNormal);
  fw::CreateControl<fw::StaticText>(*this, L::stEmail, kNormal,
                                    {fw::Bind<MouseDown>(&AboutWindow::stEmail_MouseDown)});
  fw::CreateControl<fw::StaticText>(*this, L::stURL, kNormal,
                                    {fw::Bind<MouseDown>(&AboutWindow::stURL_MouseDown)});
  fw::CreateControl<fw::Canvas>(*this, L::Canvas1,
                                [](fw::Canvas& canvas) { canvas.Backdrop(App48()); });
}

Ref<fw::StaticText> AboutWindow::stProgramName() const {
  return Control<fw::StaticText>("stProgramName");
}
Ref<fw::StaticText> AboutWindow::stVersion() const {
  return Control<fw::StaticText>("stVersion");
}
Ref<fw::StaticText> AboutWindow::stCopyright() const {
  return Control<fw::StaticText>("stCopyright");
}
Ref<fw::StaticText> AboutWindow::stEmail() const {
  return Control<fw::StaticText>("stEmail");
}
Ref<fw::StaticText> AboutWindow::stURL() const {
  return Control<fw::StaticText>("stURL");
}
Ref<fw::Canvas> AboutWindow::Canvas1() const {
  return Control<fw::Canvas>("Canvas1");
}

bool AboutWindow::stEmail_MouseDown(fw::StaticText&, int32_t, int32_t) {
  Ref<fw::StaticText> email = stEmail();
  fw::ShowURL("mailto:" + email->Text());  // a missing label raises NilObjectException
  return false;
}

bool AboutWindow::stURL_MouseDown(fw::StaticText&, int32_t, int32_t) {
  fw::ShowURL(String(WebsiteURL));
  return false;
}

// Each label is found by name when its text is set; a missing one raises
// NilObjectException and leaves the later ones as laid out.
void AboutWindow::Event_Open() {
  stCopyright()->Text(String(CopyrightLine));
  stProgramName()->Text(String(DisplayName));
  Ref<fw::StaticText> version = stVersion();
  version.Get();
  String text = "Version " + fw::Str(App::Instance()->MajorVersion()) + ".";
  text += fw::Format(static_cast<double>(App::Instance()->MinorVersion()), "00");
  version->Text(text);
  stEmail()->Text(String(SupportAddress));
  stURL()->Text(String(WebsiteURL));
}
