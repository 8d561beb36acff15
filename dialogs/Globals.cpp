#include "dialogs/Globals.h"

#include "common/Pictures.h"
#include "dialogs/NotifyWindow.h"

using fw::Ref;

namespace Globals {

// Each step asks for the window again; all three get the same one. Every
// Nil on the way raises NilObjectException.
void ErrorMsg(const fw::String& message) {
  Ref<fw::Canvas> canvas = NotifyWindow::Instance()->Canvas1();
  canvas.Get();  // before alert48 runs
  canvas->Backdrop(alert48());

  Ref<fw::StaticText> label = NotifyWindow::Instance()->stMsg();
  label->Text(message);

  NotifyWindow::Instance()->ShowModal();
}

}  // namespace Globals
