#include "dialogs/Globals.h"

#include "common/Pictures.h"
#include "dialogs/NotifyWindow.h"

using fw::Ref;

namespace Globals {

// Each step asks for the window again; all three get the same one. Every
// Nil on the way raises NilObjectException.
void ErrorMsg(const fw::String& message) {
  Ref<fw::Canvas> canvas =
      fw::Cast<fw::Canvas>(fw::RuntimeWindowControlByName(*NotifyWindow::Instance(), "Canvas1"));
  canvas.Get();
  canvas->Backdrop(alert48());

  Ref<fw::StaticText> label =
      fw::Cast<fw::StaticText>(fw::RuntimeWindowControlByName(*NotifyWindow::Instance(), "stMsg"));
  label->Text(message);

  NotifyWindow::Instance()->ShowModal();
}

}  // namespace Globals
