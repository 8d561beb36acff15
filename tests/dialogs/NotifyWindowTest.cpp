#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "common/Pictures.h"
#include "common/SharedTexts.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/Globals.h"
#include "dialogs/NotifyWindow.h"

using fw::Ref;
using fw::testing::NativeWidget;
using fw::testing::NativeWindow;

namespace {

constexpr const char* kClass = NotifyWindow::kFullClassName;

QLabel* LabelOf(const NotifyWindow& window) {
  return qobject_cast<QLabel*>(NativeWidget(*window.stMsg()));
}

QPushButton* ButtonOf(const NotifyWindow& window) {
  return qobject_cast<QPushButton*>(NativeWidget(*window.btnOk()));
}

}  // namespace

class MessageWindow : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    bundle_ = MakeBundle();
  }

  // The window that ErrorMsg opened, checked to be the only one.
  static Ref<NotifyWindow> Shown() {
    EXPECT_EQ(OpenWindowsOf(kClass), 1);
    Ref<NotifyWindow> window = fw::Cast<NotifyWindow>(fw::GetImplicitWindow(kClass));
    EXPECT_FALSE(window.IsNil());
    return window;
  }

  static void ExpectClosed(const Ref<NotifyWindow>& window) {
    EXPECT_FALSE(window->IsOpen());
    EXPECT_FALSE(NativeWindow(*window)->isVisible());
    EXPECT_EQ(OpenWindowsOf(kClass), 0);
    EXPECT_TRUE(fw::GetImplicitWindow(kClass).IsNil());
  }

  std::filesystem::path bundle_;
};

TEST_F(MessageWindow, ErrorMsgOpensOneModalDialogWithPictureMessageAndOk) {
  ASSERT_EQ(OpenWindowsOf(kClass), 0);
  Globals::ErrorMsg("The Calculator application was not found.");
  Ref<NotifyWindow> window = Shown();
  ASSERT_FALSE(window.IsNil());
  EXPECT_EQ(NotifyWindow::Instance(), window);

  QWidget* top = NativeWindow(*window);
  EXPECT_EQ(window->Title(), "Zazudedid Idarero") << "Open replaces the layout's title";
  EXPECT_EQ(top->windowTitle(), "Zazudedid Idarero");
  EXPECT_EQ(fw::testing::ContentArea(*window)->geometry(), QRect(0, 0, 387, 146));
  EXPECT_EQ(top->size(), QSize(387, 146)) << "no menu bar above the content";

  Qt::WindowFlags flags = top->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "resizable";
  EXPECT_EQ(top->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(top->isVisible());

  EXPECT_EQ(window->stMsg()->Text(), "The Calculator application was not found.");
  Ref<fw::Picture> picture = window->Canvas1()->Backdrop();
  ASSERT_FALSE(picture.IsNil());
  EXPECT_EQ(picture, alert48());
  EXPECT_EQ(NativeWidget(*window->Canvas1())->geometry(), QRect(20, 14, 48, 48));

  Ref<fw::PushButton> ok = window->btnOk();
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_TRUE(ok->Default());
  EXPECT_FALSE(ok->Cancel());
  EXPECT_EQ(NativeWidget(*ok)->geometry(), QRect(287, 106, 80, 20));
  EXPECT_EQ(top->focusWidget(), NativeWidget(*ok)) << "OK is the one control that takes focus";
}

// stMsg's blob starts with TabStop and lacks Selectable and Transparent; the
// values it does list must all arrive.
TEST_F(MessageWindow, MessageLabelTakesEveryValueOfItsUnusualBlob) {
  Ref<NotifyWindow> window = NotifyWindow::Instance();
  QLabel* label = LabelOf(*window);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(window->stMsg()->Text(), "Message") << "the layout's text before any message";
  EXPECT_EQ(label->geometry(), QRect(80, 14, 287, 80));
  EXPECT_TRUE(label->wordWrap());
  EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_EQ(window->stMsg()->TabIndex(), 2);
  EXPECT_TRUE(window->stMsg()->Visible());
  EXPECT_TRUE(window->stMsg()->Enabled());
  EXPECT_FALSE(label->font().bold());
  EXPECT_FALSE(label->font().italic());
  EXPECT_FALSE(label->font().underline());
  EXPECT_TRUE(label->toolTip().isEmpty());
  EXPECT_FALSE(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << "a label takes no focus, TabStop or not";
  EXPECT_TRUE(window->Canvas1()->Backdrop().IsNil()) << "the accessor alone sets no picture";
}

TEST_F(MessageWindow, OkReturnAndACloseRequestCloseIt) {
  struct Way {
    const char* name;
    std::function<void(NotifyWindow&)> act;
  };
  const Way ways[] = {
      {"click on OK", [](NotifyWindow& w) { QTest::mouseClick(ButtonOf(w), Qt::LeftButton); }},
      {"Return on the window",
       [](NotifyWindow& w) { QTest::keyClick(NativeWindow(w), Qt::Key_Return); }},
      {"Enter on the window",
       [](NotifyWindow& w) { QTest::keyClick(NativeWindow(w), Qt::Key_Enter); }},
      {"Return on OK", [](NotifyWindow& w) { QTest::keyClick(ButtonOf(w), Qt::Key_Return); }},
      {"close request", [](NotifyWindow& w) { NativeWindow(w)->close(); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Globals::ErrorMsg("Something failed.");
    Ref<NotifyWindow> window = Shown();
    ASSERT_FALSE(window.IsNil());
    way.act(*window);
    ExpectClosed(window);
    Ref<NotifyWindow> next = NotifyWindow::Instance();
    EXPECT_NE(next, window) << "a closed window is not handed out again";
    next->Close();
  }
}

TEST_F(MessageWindow, EscapeAndOtherKeysLeaveItOpen) {
  Globals::ErrorMsg("Something failed.");
  Ref<NotifyWindow> window = Shown();
  ASSERT_FALSE(window.IsNil());
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_A}) {
    SCOPED_TRACE(key);
    QTest::keyClick(NativeWindow(*window), key);
    EXPECT_TRUE(window->IsOpen()) << "OK is no cancel button";
    EXPECT_EQ(NotifyWindow::Instance(), window);
  }
}

TEST_F(MessageWindow, AfterOkTheNextMessageBuildsAFreshWindow) {
  Globals::ErrorMsg("first");
  Ref<NotifyWindow> first = Shown();
  ASSERT_FALSE(first.IsNil());
  first->btnOk()->Push();
  ExpectClosed(first);

  Globals::ErrorMsg("second");
  Ref<NotifyWindow> second = Shown();
  ASSERT_FALSE(second.IsNil());
  EXPECT_NE(second, first);
  EXPECT_EQ(second->stMsg()->Text(), "second");
  EXPECT_EQ(second->Title(), "Zazudedid Idarero");
  EXPECT_FALSE(second->Canvas1()->Backdrop().IsNil());
  EXPECT_NE(NativeWidget(*second->stMsg()), NativeWidget(*first->stMsg())) << "new controls";
  EXPECT_TRUE(NativeWindow(*second)->isVisible());
  EXPECT_EQ(NativeWindow(*second)->windowModality(), Qt::ApplicationModal);
}

TEST_F(MessageWindow, ErrorMsgReusesAnOpenWindow) {
  Ref<NotifyWindow> open = NotifyWindow::Instance();
  ASSERT_EQ(OpenWindowsOf(kClass), 1);
  Globals::ErrorMsg("one");
  EXPECT_EQ(Shown(), open);
  EXPECT_EQ(open->stMsg()->Text(), "one");
  EXPECT_FALSE(open->Canvas1()->Backdrop().IsNil());
  EXPECT_EQ(NativeWindow(*open)->windowModality(), Qt::ApplicationModal);

  Globals::ErrorMsg("two");
  EXPECT_EQ(Shown(), open);
  EXPECT_EQ(open->stMsg()->Text(), "two") << "the text is replaced, not appended";
  EXPECT_TRUE(NativeWindow(*open)->isVisible());
  EXPECT_EQ(NativeWindow(*open)->windowModality(), Qt::ApplicationModal);
}

TEST_F(MessageWindow, AnyMessageIsShownUnchangedInTheFixedLabel) {
  std::string longText;
  for (int i = 0; i < 200; ++i) {
    longText += "word" + std::to_string(i) + " ";
  }
  const std::string messages[] = {
      "", longText, std::string(3000, 'x'), "two\nlines", "  padded  ", "Umlaut \u00e4 and \u20ac",
  };
  for (const std::string& message : messages) {
    SCOPED_TRACE(message.substr(0, 20));
    Globals::ErrorMsg(message);
    Ref<NotifyWindow> window = Shown();
    ASSERT_FALSE(window.IsNil());
    EXPECT_EQ(window->stMsg()->Text(), message);
    EXPECT_EQ(LabelOf(*window)->geometry(), QRect(80, 14, 287, 80));
    EXPECT_EQ(NativeWindow(*window)->size(), QSize(387, 146));
    EXPECT_TRUE(NativeWindow(*window)->isVisible());
    EXPECT_EQ(NativeWindow(*window)->windowModality(), Qt::ApplicationModal);
    window->btnOk()->Push();
    ExpectClosed(window);
  }
}

TEST_F(MessageWindow, WithoutTheAlertPictureItStillOpensWithAnEmptyPictureArea) {
  std::filesystem::remove(bundle_ / "Contents" / "Resources" / "002.png");
  if (!alert48().IsNil()) {
    GTEST_SKIP() << "the alert picture was loaded earlier in this process and is kept";
  }
  Globals::ErrorMsg("no picture");
  Ref<NotifyWindow> window = Shown();
  ASSERT_FALSE(window.IsNil());
  EXPECT_TRUE(window->Canvas1()->Backdrop().IsNil());
  EXPECT_EQ(window->stMsg()->Text(), "no picture");
  EXPECT_TRUE(NativeWindow(*window)->isVisible());
  EXPECT_EQ(NativeWindow(*window)->windowModality(), Qt::ApplicationModal);
  QTest::mouseClick(ButtonOf(*window), Qt::LeftButton);
  ExpectClosed(window);
}

// An executable at the root has no bundle: alert48 raises before the message
// is set and before the window is shown modally.
TEST_F(MessageWindow, AFailingAlertPictureStopsErrorMsgBeforeTheMessage) {
  std::filesystem::remove(bundle_ / "Contents" / "Resources" / "002.png");
  if (!alert48().IsNil()) {
    GTEST_SKIP() << "the alert picture was loaded earlier in this process and is kept";
  }
  fw::testing::SetExecutableFile("/x");
  EXPECT_THROW(Globals::ErrorMsg("never shown"), fw::NilObjectException);
  Ref<NotifyWindow> window = Shown();
  ASSERT_FALSE(window.IsNil());
  EXPECT_EQ(window->stMsg()->Text(), "Message");
  EXPECT_NE(NativeWindow(*window)->windowModality(), Qt::ApplicationModal);
}
