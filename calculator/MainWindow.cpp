#include "calculator/MainWindow.h"

#include "common/MenuBar1.h"

void MainWindow::Layout() {
  MenuBar(MenuBar1::Instance());
  fw::SetProperties(*this, fw::layout::BlobOf<MainWindowLayout::Window>);
}
