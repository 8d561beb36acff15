#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "calculator/MainWindow.h"
#include "common/App.h"
#include "common/MenuBar1.h"
#include "common/Pictures.h"
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
};

namespace {

int OpenMainWindows() {
  int count = 0;
  for (const auto& window : fw::OpenWindows()) {
    count += window->FullClassName() == MainWindow::kFullClassName;
  }
  return count;
}

// What start-up has done when the first window shows, seen from outside.
class FirstShowProbe : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen && event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      seen = true;
      app = App::Instance();
      bar = MenuBar1::implicitInstance.instance;
      mainWindows = OpenMainWindows();
      // A Wayland window takes its app id when it is first shown.
      desktopFileName = QGuiApplication::desktopFileName();
      iconSize = static_cast<QWidget*>(watched)->windowIcon().actualSize(QSize(256, 256));
    }
    return false;
  }
  bool seen = false;
  Ref<App> app;
  Ref<MenuBar1> bar;
  int mainWindows = 0;
  QString desktopFileName;
  QSize iconSize;
};

}  // namespace

TEST_F(Startup, TheMenuBarAndTheApplicationAreInPlaceWhenTheMainWindowShows) {
  MakeBundle();
  FirstShowProbe probe;
  qApp->installEventFilter(&probe);
  Ref<fw::MenuBar> windowsBar;
  Ref<fw::MenuBar> barAtTheEnd;
  QTimer::singleShot(0, [&] {
    windowsBar = MainWindow::Instance()->MenuBar();
    barAtTheEnd = MenuBar1::Instance();
    MainWindow::Instance()->FileQuit()->Event_Action();
  });
  EXPECT_EQ(RunToEnd(), 0);
  qApp->removeEventFilter(&probe);

  ASSERT_TRUE(probe.seen) << "start-up showed no window";
  EXPECT_EQ(probe.mainWindows, 1) << "the first window to show is the main window";
  ASSERT_FALSE(probe.app.IsNil()) << "the main window came before the application object";
  ASSERT_FALSE(probe.bar.IsNil()) << "the main window came before the menu bar";
  EXPECT_EQ(probe.app->MenuBar(), Ref<fw::MenuBar>(probe.bar)) << "the application's bar";
  EXPECT_EQ(windowsBar, Ref<fw::MenuBar>(probe.bar)) << "one menu bar, shared";
  EXPECT_EQ(barAtTheEnd, Ref<fw::MenuBar>(probe.bar)) << "the bar was built once";
  EXPECT_EQ(probe.desktopFileName, "zazudedid-idarero") << "the installed desktop entry's name";
  ASSERT_FALSE(App48().IsNil());
  EXPECT_EQ(probe.iconSize, QSize(48, 48)) << "the window's icon is the application picture";
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
