#include "dialogs/AboutWindow.h"

#include "common/App.h"
#include "common/SharedTexts.h"

using fw::Ref;
using fw::String;

void AboutWindow::Layout() {
  fw::SetProperties(*this, fw::layout::BlobOf<AboutWindowLayout::Window>);
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
