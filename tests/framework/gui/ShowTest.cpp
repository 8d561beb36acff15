// Show brings a window back from wherever it is; while a modal window blocks
// it, the modal window comes back with it and takes the focus.
#include <QApplication>
#include <QTest>

#include "core/LayoutEntries.h"
#include "support/WidgetFixture.h"

using fw::Ref;
using fw::testing::NativeWindow;

namespace {

// Hidden until shown; a window without a size never becomes active.
constexpr fw::layout::Window kHidden{.Width = 200, .Height = 100, .Title = "", .Visible = false};

class PlainWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "PlainWindow.PlainWindow";
  PlainWindow() : fw::Window(kFullClassName) {}
  static Ref<PlainWindow> Instance() { return fw::ImplicitInstance<PlainWindow>(); }
  void Layout() override { fw::SetProperties(*this, fw::layout::Blob<kHidden>.View()); }
};

class BlockingWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "BlockingWindow.BlockingWindow";
  BlockingWindow() : fw::Window(kFullClassName) {}
  static Ref<BlockingWindow> Instance() { return fw::ImplicitInstance<BlockingWindow>(); }
  void Layout() override { fw::SetProperties(*this, fw::layout::Blob<kHidden>.View()); }
};

bool Minimized(QWidget* window) {
  return window->windowState() & Qt::WindowMinimized;
}

}  // namespace

class Show : public WidgetTest {
 protected:
  void TearDown() override {
    for (const auto& window : fw::OpenWindows()) {
      window->Close();
    }
    WidgetTest::TearDown();
  }
};

TEST_F(Show, BringsBackAMinimizedWindowAndActivatesIt) {
  Ref<PlainWindow> window = PlainWindow::Instance();
  window->Show();
  QWidget* native = NativeWindow(*window);
  native->setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(Minimized(native));

  window->Show();
  EXPECT_FALSE(Minimized(native));
  EXPECT_TRUE(native->isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(native));
}

TEST_F(Show, WhileAModalWindowBlocksTheWindowTheModalOneComesBackAndTakesTheFocus) {
  Ref<PlainWindow> window = PlainWindow::Instance();
  window->Show();
  QWidget* native = NativeWindow(*window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(native));
  Ref<BlockingWindow> modal = BlockingWindow::Instance();
  modal->ShowModal();
  QWidget* modalNative = NativeWindow(*modal);
  ASSERT_TRUE(QTest::qWaitForWindowActive(modalNative));

  // The user minimized both, then started the program again.
  modalNative->setWindowState(Qt::WindowMinimized);
  native->setWindowState(Qt::WindowMinimized);
  window->Show();
  EXPECT_FALSE(Minimized(native));
  EXPECT_FALSE(Minimized(modalNative));
  EXPECT_TRUE(modalNative->isVisible());
  Settle();  // the activations that showing and the request queued
  EXPECT_EQ(QApplication::activeWindow(), modalNative);
}
