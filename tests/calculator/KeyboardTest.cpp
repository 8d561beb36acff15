// Space and Return on a result or the web link do what a click does; Escape
// closes the About window and nothing else.
#include "calculator/MainWindowFixture.h"
#include "common/AppObject.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/Globals.h"

using fw::Ref;
using fw::testing::NativeWidget;

class Keyboard : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    RegisterAppObject();
    fw::testing::CaptureShowURL([this](const fw::String& address) { shown_.push_back(address); });
  }
  void TearDown() override {
    fw::testing::CaptureShowURL({});
    MainWindowTest::TearDown();
    ReleaseWindowsAndMenuBar();
  }
  std::vector<fw::String> shown_;
};

TEST_F(Keyboard, SpaceOrReturnOnAResultOrTheLinkDoesWhatAClickDoes) {
  CalculateByButton("12.5", "200");
  struct Case {
    const char* label;
    Qt::Key key;
    const char* copied;
  } cases[] = {
      {"stAmount", Qt::Key_Space, "25.00"},
      {"stPlus", Qt::Key_Return, "225.00"},
      {"stMinus", Qt::Key_Enter, "175.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    QLabel* label = Label(window_->Control<fw::StaticText>(c.label));
    label->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label, c.key);
    EXPECT_EQ(ClipboardText(), c.copied);
  }
  QLabel* link = Label(window_->stInfo2());
  QTest::keyClick(link, Qt::Key_Space);
  EXPECT_EQ(shown_, (std::vector<fw::String>{"www.example.com"}));
  // Other keys do nothing.
  QTest::keyClick(link, Qt::Key_A);
  EXPECT_EQ(shown_.size(), 1u);
}

TEST_F(Keyboard, AClickOnAResultLeavesTheFocusWhereItIs) {
  CalculateByButton("12.5", "200");
  QLineEdit* value = Field(window_->edValue());
  value->setFocus();
  Click(Label(window_->stAmount()));
  EXPECT_EQ(Focused(), value);
}

TEST_F(Keyboard, EscapeClosesTheAboutWindowOnly) {
  window_->FileAbout_Action();
  Ref<fw::Window> about = fw::GetImplicitWindow(AboutWindow::kFullClassName);
  ASSERT_FALSE(about.IsNil());
  QTest::keyClick(fw::testing::NativeWindow(*about), Qt::Key_Escape);
  EXPECT_FALSE(about->IsOpen());

  Globals::ErrorMsg("message");
  Ref<NotifyWindow> message = OpenMessage();
  ASSERT_FALSE(message.IsNil());
  QTest::keyClick(fw::testing::NativeWindow(*message), Qt::Key_Escape);
  EXPECT_TRUE(message->IsOpen());
  message->Close();

  QTest::keyClick(fw::testing::NativeWindow(*window_), Qt::Key_Escape);
  EXPECT_TRUE(window_->IsOpen());
}
