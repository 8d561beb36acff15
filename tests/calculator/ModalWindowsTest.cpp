// The About and message windows over the main window: where the About window
// opens, and that each modal window belongs to the window it blocks.
#include <QScreen>
#include <QWindow>
#include <functional>

#include "calculator/MainWindowFixture.h"
#include "common/AppObject.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/Globals.h"

using fw::Ref;
using fw::testing::NativeWindow;

namespace {

Ref<fw::Window> OpenAbout() {
  return fw::GetImplicitWindow("AboutWindow.AboutWindow");
}

}  // namespace

class ModalWindows : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    RegisterAppObject();  // the About window reads the version from the application
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    ReleaseWindowsAndMenuBar();
  }
};

TEST_F(ModalWindows, AboutOpensCentredOnTheMainWindowWhereverItIs) {
  QWidget* main = NativeWindow(*window_);
  main->move(40, 30);
  const QPoint mainCentre = main->frameGeometry().center();
  ASSERT_GT((mainCentre - main->screen()->availableGeometry().center()).manhattanLength(), 100)
      << "the main window must be away from the screen's centre for this to tell";

  ASSERT_TRUE(window_->FileAbout_Action());
  Ref<fw::Window> about = OpenAbout();
  ASSERT_FALSE(about.IsNil());
  const QPoint aboutCentre = NativeWindow(*about)->frameGeometry().center();
  EXPECT_LE((aboutCentre - mainCentre).manhattanLength(), 1)
      << "About's centre " << aboutCentre.x() << "," << aboutCentre.y() << ", the main window's "
      << mainCentre.x() << "," << mainCentre.y();
}

TEST_F(ModalWindows, EachBelongsToTheMainWindowThatItBlocks) {
  struct Case {
    const char* name;
    std::function<Ref<fw::Window>()> open;
  };
  const Case cases[] = {
      {"About",
       [this] {
         window_->FileAbout_Action();
         return OpenAbout();
       }},
      {"message",
       [] {
         Globals::ErrorMsg("Something failed.");
         return Ref<fw::Window>(OpenMessage());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Ref<fw::Window> modal = c.open();
    ASSERT_FALSE(modal.IsNil());
    QWidget* native = NativeWindow(*modal);
    ASSERT_NE(native->windowHandle(), nullptr);
    EXPECT_EQ(native->windowHandle()->transientParent(), NativeWindow(*window_)->windowHandle());
    EXPECT_EQ(native->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(native->windowFlags().testFlag(Qt::WindowCloseButtonHint),
              std::string(c.name) == "About")
        << "belonging to the main window leaves its close box as it was";
    modal->Close();
    Activate(*window_);
  }
}
