// "Launch calculator" against an applications folder of the test's own, and
// the web link with its cursor.
#include <chrono>
#include <optional>
#include <thread>

#include "calculator/MainWindowFixture.h"
#include "common/Pictures.h"

namespace fs = std::filesystem;
using fw::Ref;

namespace {

const std::string kMissing = "The application Calculator.app does not exist in the folder ";

class Launch : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    root_ = scratch_.path().toStdString();
    applications_.emplace(root_);
  }
  void TearDown() override {
    applications_.reset();
    MainWindowTest::TearDown();
  }

  // A Calculator whose program appends a line to the marker at each start.
  void AddCalculator() {
    fs::path script = root_ / "calculator.sh";
    std::ofstream(script) << "#!/bin/sh\necho started >> \"$1\"\n";
    fs::permissions(script, fs::perms::owner_all);
    AddCalculatorRunning("\"" + script.string() + "\" \"" + Marker().string() + "\"");
  }
  void AddCalculatorRunning(const std::string& exec) {
    applications_->AddEntry(
        "org.example.Calculator.desktop",
        "[Desktop Entry]\nType=Application\nName=Calculator\nExec=" + exec + "\n");
  }
  fs::path Marker() const { return root_ / "started"; }

  // The program runs detached: wait, bounded, for it to have started `count`
  // times.
  int StartsWithin(int count, std::chrono::seconds limit = std::chrono::seconds(5)) const {
    auto deadline = std::chrono::steady_clock::now() + limit;
    int lines = 0;
    while (true) {
      std::ifstream in(Marker());
      std::string line;
      lines = 0;
      while (std::getline(in, line)) {
        ++lines;
      }
      if (lines >= count || std::chrono::steady_clock::now() > deadline) {
        return lines;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  void PressLaunch() { Click(Button(window_->btnCalc1())); }

  // The message window's text, after checking that it is up and modal.
  std::string ShownMessage() {
    Ref<NotifyWindow> message = OpenMessage();
    if (message.IsNil()) {
      ADD_FAILURE() << "no message window is open";
      return {};
    }
    QWidget* native = fw::testing::NativeWindow(*message);
    EXPECT_TRUE(native->isVisible());
    EXPECT_EQ(native->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(message->Title(), "Zazudedid Idarero");
    EXPECT_FALSE(message->Canvas1()->Backdrop().IsNil()) << "the alert picture";
    return message->stMsg()->Text();
  }

  fs::path root_;
  std::optional<FixtureApplications> applications_;
};

}  // namespace

TEST_F(Launch, WithoutACalculatorTheMessageNamesTheFolderSearchedFirst) {
  // Near misses: none of these is the Calculator.
  applications_->AddEntry("a.desktop", "[Desktop Entry]\nName=calculator\nExec=/bin/true\n");
  applications_->AddEntry("b.desktop", "[Desktop Entry]\nName=Calculator Pro\nExec=/bin/true\n");
  applications_->AddEntry("c.desktop",
                          "[Desktop Entry]\nName=Calculator\nHidden=true\nExec=/bin/true\n");
  applications_->AddEntry("Calculator.app", "[Desktop Entry]\nName=Other\nExec=/bin/true\n");

  PressLaunch();
  EXPECT_EQ(ShownMessage(), kMissing + applications_->Folder().string());
  EXPECT_EQ(fw::OpenWindows().size(), 2u) << "one message window";
}

TEST_F(Launch, EachPressWithoutACalculatorShowsTheMessageAgain) {
  PressLaunch();
  Ref<NotifyWindow> first = OpenMessage();
  ASSERT_FALSE(first.IsNil());
  Click(Button(first->btnOk()));
  EXPECT_TRUE(OpenMessage().IsNil()) << "OK closes the message";

  PressLaunch();
  Ref<NotifyWindow> second = OpenMessage();
  ASSERT_FALSE(second.IsNil());
  EXPECT_NE(second, first);
  EXPECT_EQ(ShownMessage(), kMissing + applications_->Folder().string());
}

TEST_F(Launch, ACalculatorStartsWithoutAMessage) {
  AddCalculator();
  PressLaunch();
  EXPECT_EQ(StartsWithin(1), 1);
  EXPECT_TRUE(OpenMessage().IsNil());
  EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST_F(Launch, ThisProgramsOwnEntryIsNeverLaunched) {
  // In the category and first in the folder, known by its id and by what it
  // starts; should the copy be launched, it only lists the tests.
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const std::string calc = "Categories=Utility;Calculator;\n";
  applications_->AddEntry("zazudedid-idarero.desktop",
                          "[Desktop Entry]\nType=Application\nName=Zazudedid Idarero\nExec=" +
                              Marker().string() + "\n" + calc);
  applications_->AddEntry("a-copy.desktop", "[Desktop Entry]\nType=Application\nName=Copy\nExec=" +
                                                self + " --gtest_list_tests\n" + calc);
  PressLaunch();
  EXPECT_EQ(ShownMessage(), kMissing + applications_->Folder().string());
  Ref<NotifyWindow> message = OpenMessage();
  ASSERT_FALSE(message.IsNil());
  Click(Button(message->btnOk()));

  fs::path script = root_ / "other-calculator.sh";
  std::ofstream(script) << "#!/bin/sh\necho started >> \"$1\"\n";
  fs::permissions(script, fs::perms::owner_all);
  applications_->AddEntry("zz-other.desktop",
                          "[Desktop Entry]\nType=Application\nName=Other\nExec=\"" +
                              script.string() + "\" \"" + Marker().string() + "\"\n" + calc);
  PressLaunch();
  EXPECT_EQ(StartsWithin(1), 1);
  EXPECT_TRUE(OpenMessage().IsNil());
}

TEST_F(Launch, EveryPressLaunchesAgain) {
  AddCalculator();
  PressLaunch();
  ASSERT_EQ(StartsWithin(1), 1);
  PressLaunch();
  EXPECT_EQ(StartsWithin(2), 2) << "a running Calculator is launched again";
  EXPECT_TRUE(OpenMessage().IsNil());
}

TEST_F(Launch, ALaunchThatFailsReportsTheErrorCode) {
  fs::path notExecutable = root_ / "calculator.txt";
  std::ofstream(notExecutable) << "not a program\n";
  fs::permissions(notExecutable, fs::perms::owner_read | fs::perms::owner_write);
  // These two fail only in exec, after the fork.
  fs::path noInterpreterLine = root_ / "calculator-plain.sh";
  std::ofstream(noInterpreterLine) << "echo started\n";
  fs::path missingInterpreter = root_ / "calculator-missing.sh";
  std::ofstream(missingInterpreter) << "#!/nonexistent/sh\necho started\n";
  for (const auto& script : {noInterpreterLine, missingInterpreter}) {
    fs::permissions(script, fs::perms::owner_all);
  }
  const std::pair<std::string, const char*> failures[] = {
      {(root_ / "no-such-calculator").string(),
       "Unable to launch Calculator application (error 2)"},
      {notExecutable.string(), "Unable to launch Calculator application (error 13)"},
      {noInterpreterLine.string(), "Unable to launch Calculator application (error 8)"},
      {missingInterpreter.string(), "Unable to launch Calculator application (error 2)"},
  };
  for (const auto& [exec, text] : failures) {
    SCOPED_TRACE(exec);
    AddCalculatorRunning("\"" + exec + "\"");
    PressLaunch();
    EXPECT_EQ(ShownMessage(), text);
    if (auto message = OpenMessage(); !message.IsNil()) {
      message->Close();
    }
  }
}

using Link = MainWindowTest;

TEST_F(Link, ThePointingFingerShowsOnlyWhileTheMouseIsOverTheLink) {
  QLabel* link = Label(window_->stInfo2());
  QWidget* elsewhere = Label(window_->stAmount());
  QWidget* native = fw::testing::NativeWindow(*window_);
  EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "first visit" : "second visit");
    QTest::mouseMove(link, link->rect().center());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(elsewhere, elsewhere->rect().center());
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
  }
  EXPECT_FALSE(native->testAttribute(Qt::WA_SetCursor)) << "the window's cursor is never set";
  EXPECT_FALSE(fw::testing::ContentArea(*window_)->testAttribute(Qt::WA_SetCursor));
  EXPECT_FALSE(elsewhere->testAttribute(Qt::WA_SetCursor));
}

TEST_F(Link, APressHandsTheWebAddressOnceOnThePress) {
  std::vector<std::string> urls;
  fw::testing::CaptureShowURL([&](const fw::String& address) { urls.push_back(address); });
  QLabel* link = Label(window_->stInfo2());

  QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(urls, std::vector<std::string>{"www.example.com"}) << "on the press";
  QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(urls.size(), 1u) << "the release hands nothing";

  // The stored address goes, whatever the label shows.
  window_->stInfo2()->Text("somewhere else");
  QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().bottomRight());
  EXPECT_EQ(urls, (std::vector<std::string>{"www.example.com", "www.example.com"}));
  EXPECT_EQ(clipboardChanges_, 0) << "the link copies nothing";
  EXPECT_EQ(fw::OpenWindows().size(), 1u);
}
