#include <QTimer>

#include "calculator/MainWindow.h"
#include "common/App.h"
#include "common/MenuBar1.h"
#include "startup/Startup.h"
#include "support/WidgetFixture.h"

using fw::Ref;

class Startup : public WidgetTest {
 protected:
  void TearDown() override {
    Finalise();
    WidgetTest::TearDown();
  }
  int RunToEnd() {
    RunMain();
    Finalise();
    return fw::RuntimeExit();
  }
  static int OpenMainWindows() {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
      count += window->FullClassName() == MainWindow::kFullClassName;
    }
    return count;
  }
};

TEST_F(Startup, OrderIsMenuBarThenApplicationThenMainWindow) {
  NewAppInstance();
  Ref<App> app = App::Instance();
  ASSERT_FALSE(app.IsNil());
  EXPECT_EQ(app->MenuBar(), Ref<fw::MenuBar>(MenuBar1::Instance()));
  EXPECT_EQ(OpenMainWindows(), 0) << "the application comes before the main window";
  EXPECT_EQ(App::Instance(), app);

  MakeDefaultView();
  EXPECT_EQ(OpenMainWindows(), 1);
  Ref<MainWindow> window = MainWindow::Instance();
  EXPECT_EQ(window->MenuBar(), app->MenuBar()) << "one menu bar, shared";
  EXPECT_TRUE(fw::testing::NativeWindow(*window)->isVisible());
}

TEST_F(Startup, QuitEndsTheLoopWithStatusZero) {
  bool sawWindow = false;
  QTimer::singleShot(0, [&] {
    sawWindow = OpenMainWindows() == 1;
    MainWindow::Instance()->FileQuit()->Event_Action();
  });
  EXPECT_EQ(RunToEnd(), 0);
  EXPECT_TRUE(sawWindow);
  EXPECT_TRUE(MenuBar1::implicitInstance.instance.IsNil()) << "the bar goes last";
  EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST_F(Startup, AnEscapedExceptionEndsTheLoopOnceWithStatusOne) {
  bool resumed = false;
  QTimer raise;
  QTimer later;
  raise.setSingleShot(true);
  later.setSingleShot(true);
  QObject::connect(&raise, &QTimer::timeout, [&] {
    fw::Dispatch([] { throw fw::NilObjectException("from a handler"); });
    fw::Dispatch([] { throw fw::NilObjectException("a second one is never run"); });
    // Timed from the exception: a slow start must not make both due at once.
    later.start(100);
  });
  QObject::connect(&later, &QTimer::timeout, [&] {
    resumed = true;
    fw::runtime::RequestQuit();
  });
  raise.start(0);
  EXPECT_EQ(RunToEnd(), 1);
  EXPECT_EQ(fw::runtime::UnhandledExceptionCount(), 1);
  EXPECT_FALSE(resumed) << "the loop was resumed after the exception";
}

TEST_F(Startup, ReopenRequestShowsTheOneMainWindow) {
  NewAppInstance();
  MakeDefaultView();
  Ref<MainWindow> first = MainWindow::Instance();
  first->edPercent()->Text("12");
  fw::AppleEvent event;
  EXPECT_TRUE(App::Instance()->Event_HandleAppleEvent(event, "aevt", "rapp"));
  EXPECT_EQ(MainWindow::Instance(), first);
  EXPECT_EQ(first->edPercent()->Text(), "12") << "the open window is shown, not rebuilt";
  EXPECT_EQ(OpenMainWindows(), 1);
}

TEST_F(Startup, ReopenRequestAfterCloseBuildsANewMainWindow) {
  NewAppInstance();
  MakeDefaultView();
  Ref<MainWindow> first = MainWindow::Instance();
  first->edPercent()->Text("12");
  first->Close();
  EXPECT_EQ(OpenMainWindows(), 0);

  fw::AppleEvent event;
  EXPECT_TRUE(App::Instance()->Event_HandleAppleEvent(event, "aevt", "rapp"));
  Ref<MainWindow> second = MainWindow::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->edPercent()->Text(), "");
  EXPECT_FALSE(second->stClick()->Visible());
  EXPECT_TRUE(fw::testing::NativeWindow(*second)->isVisible());
  EXPECT_TRUE(second->HasMenuHandler("FileAbout"));
}

TEST_F(Startup, OtherAppleEventsAreLeftAlone) {
  NewAppInstance();
  fw::AppleEvent event;
  const std::pair<const char*, const char*> others[] = {
      {"aevt", "oapp"}, {"aevt", "RAPP"}, {"AEVT", "rapp"}, {"misc", "rapp"}, {"", ""}};
  for (auto [eventClass, eventID] : others) {
    SCOPED_TRACE(std::string(eventClass) + "/" + eventID);
    EXPECT_FALSE(App::Instance()->Event_HandleAppleEvent(event, eventClass, eventID));
    EXPECT_EQ(OpenMainWindows(), 0);
  }
}
