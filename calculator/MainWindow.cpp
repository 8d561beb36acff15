#include "calculator/MainWindow.h"

#include "common/MenuBar1.h"

void MainWindow::Layout() {
  MenuBar(MenuBar1::Instance());
  fw::SetProperties(*this, fw::layout::BlobOf<MainWindowLayout::Window>);
}

void MainWindow::CreateControls() {
  CreateControls0();
  // What assistive technology reads as each field's name.
  StaticText2()->Labels(*edPercent());
  StaticText1()->Labels(*edValue());
}
