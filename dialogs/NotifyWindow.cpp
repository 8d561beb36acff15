#include "dialogs/NotifyWindow.h"

#include "common/SharedTexts.h"

void NotifyWindow::Layout() {
  fw::SetProperties(*this, fw::layout::BlobOf<NotifyWindowLayout::Window>);
}

void NotifyWindow::btnOk_Action(fw::PushButton&) {
  Close();
}

void NotifyWindow::Event_Open() {
  Title(fw::String(DisplayName));
}
