// The main window as it opens: its frame, its thirteen controls with their
// look, the tab order, and that every bound event reaches its handler once,
// in the first window and in one built after it was closed.
#include <QMenuBar>
#include <vector>

#include "calculator/MainWindowFixture.h"
#include "common/Pictures.h"
#include "common/SharedTexts.h"

using fw::Ref;

namespace {

struct ControlRow {
  const char* name;
  const char* className;
  QRect geometry;
  const char* text;  // a label's text or a button's caption; fields start empty
  QRgb color;        // labels: WindowText; fields: Text; buttons: not checked
  bool alignRight;
  const char* toolTip;
  int pixelSize;  // -1: the desktop's default size
  bool underline;
};

const QRgb kBlack = 0x000000;
const QRgb kResult = 0x004080;

const ControlRow kControls[] = {
    {"StaticText1", "StaticText", {183, 14, 36, 20}, "% of", kBlack, false, "", -1, false},
    {"edPercent", "TextField", {127, 13, 50, 22}, "", kBlack, false, "", -1, false},
    {"edValue", "TextField", {218, 13, 89, 22}, "", kBlack, false, "", -1, false},
    {"stPlus", "StaticText", {319, 77, 151, 20}, "", kResult, true, "", -1, false},
    {"stMinus", "StaticText", {319, 109, 151, 20}, "", kResult, true, "", -1, false},
    {"btnCalc", "PushButton", {319, 14, 80, 20}, "Calculate", 0, false, "", -1, false},
    {"btnClear", "PushButton", {411, 14, 59, 20}, "Clear", 0, false, "", -1, false},
    {"stAmount", "StaticText", {319, 45, 151, 20}, "", kResult, true, "", -1, false},
    {"StaticText2", "StaticText", {79, 13, 46, 20}, "What's", kBlack, false, "", -1, false},
    {"stClick",
     "StaticText",
     {79, 45, 230, 17},
     "Click on a result to copy to clipboard -->",
     0x008000,
     false,
     "",
     11,
     false},
    {"btnCalc1",
     "PushButton",
     {20, 77, 141, 20},
     "Launch calculator",
     0,
     false,
     "Use the system's calculator application",
     -1,
     false},
    {"stInfo2",
     "StaticText",
     {20, 112, 133, 16},
     "www.example.com",
     0x0000FF,
     false,
     "Visit our website",
     11,
     true},
    {"Canvas1", "Canvas", {20, 14, 48, 48}, "", 0, false, "", -1, false},
};

// The accessors in the window's own order, which is the order of creation.
std::vector<Ref<fw::Control>> ByAccessor(const MainWindow& w) {
  return {w.StaticText1(), w.edPercent(), w.edValue(),  w.stPlus(),      w.stMinus(),
          w.btnCalc(),     w.btnClear(),  w.stAmount(), w.StaticText2(), w.stClick(),
          w.btnCalc1(),    w.stInfo2(),   w.Canvas1()};
}

QRgb Rgb(const QColor& color) {
  return color.rgb() & 0xFFFFFF;
}

void ExpectWindowFrame(const MainWindow& window) {
  QWidget* native = fw::testing::NativeWindow(window);
  QWidget* content = fw::testing::ContentArea(window);
  QMenuBar* bar = fw::testing::NativeMenuBar(window);
  ASSERT_NE(native, nullptr);
  ASSERT_NE(content, nullptr);
  ASSERT_NE(bar, nullptr) << "the window shows the shared menu bar";
  EXPECT_TRUE(native->isVisible()) << "the layout marks it visible; nobody calls Show";
  EXPECT_EQ(window.Title(), "Zazudedid Idarero");
  EXPECT_EQ(native->windowTitle(), QStringLiteral("Zazudedid Idarero"));

  EXPECT_EQ(bar->geometry().top(), 0);
  EXPECT_GT(bar->height(), 0);
  EXPECT_EQ(content->geometry(), QRect(0, bar->height(), 490, 149))
      << "the content area sits right below the menu bar";
  EXPECT_EQ(native->size(), QSize(490, 149 + bar->height()));
  EXPECT_EQ(native->minimumSize(), native->maximumSize()) << "the window is not resizable";

  Qt::WindowFlags flags = native->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

void ExpectControls(const MainWindow& window) {
  QWidget* content = fw::testing::ContentArea(window);
  std::vector<Ref<fw::Control>> controls = ByAccessor(window);
  ASSERT_EQ(controls.size(), std::size(kControls));
  EXPECT_EQ(window.Controls().size(), std::size(kControls)) << "no control beyond the thirteen";
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlRow& row = kControls[i];
    SCOPED_TRACE(row.name);
    const Ref<fw::Control>& control = controls[i];
    ASSERT_FALSE(control.IsNil()) << "the accessor found no control";
    EXPECT_EQ(control, window.Control(row.name));
    EXPECT_EQ(control->Name(), row.name);
    EXPECT_EQ(std::string(control->ClassName()), row.className);
    EXPECT_EQ(control->Window().Shared().get(), &window);
    EXPECT_EQ(window.Controls()[i], control) << "created out of order";

    QWidget* widget = fw::testing::NativeWidget(*control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), content);
    EXPECT_EQ(widget->geometry(), row.geometry);
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.toolTip));
    EXPECT_EQ(widget->font().pixelSize(), row.pixelSize);
    EXPECT_EQ(widget->font().underline(), row.underline);
    EXPECT_FALSE(widget->font().bold());
    EXPECT_FALSE(widget->font().italic());
    bool hint = std::string(row.name) == "stClick";
    EXPECT_EQ(widget->isHidden(), hint) << "only the hint starts hidden";

    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
      EXPECT_EQ(Rgb(label->palette().color(QPalette::WindowText)), row.color);
      EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                row.alignRight ? Qt::AlignRight : Qt::AlignLeft);
      EXPECT_EQ(label->wordWrap(), hint) << "only the hint wraps";
      EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction)
          << "labels are not selectable";
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      EXPECT_EQ(field->text(), QString());
      EXPECT_EQ(Rgb(field->palette().color(QPalette::Text)), row.color);
      EXPECT_EQ(Rgb(field->palette().color(QPalette::Base)), 0xFFFFFFu);
      EXPECT_FALSE(field->isReadOnly());
      EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
      EXPECT_TRUE(field->hasFrame());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_EQ(button->text(), QString::fromUtf8(row.text));
      EXPECT_FALSE(button->isDefault()) << "Return acts only through the fields";
    }
  }
  EXPECT_EQ(window.stInfo2()->Text(), std::string(WebsiteURL));
  EXPECT_FALSE(window.stClick()->Visible());
}

// Tab walks the fields, then the buttons, then the results and the web link,
// and comes back round.
void ExpectTabOrder(const MainWindow& window) {
  const std::vector<QWidget*> order = {
      fw::testing::NativeWidget(*window.edPercent()), fw::testing::NativeWidget(*window.edValue()),
      fw::testing::NativeWidget(*window.btnCalc()),   fw::testing::NativeWidget(*window.btnClear()),
      fw::testing::NativeWidget(*window.btnCalc1()),  fw::testing::NativeWidget(*window.stAmount()),
      fw::testing::NativeWidget(*window.stPlus()),    fw::testing::NativeWidget(*window.stMinus()),
      fw::testing::NativeWidget(*window.stInfo2())};
  EXPECT_EQ(QApplication::focusWidget(), order.front()) << "the window opens in edPercent";
  order.front()->setFocus();
  for (size_t i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << "Tab number " << i;
  }
}

}  // namespace

TEST_F(MainWindowTest, OpensWithItsLayout) {
  ExpectWindowFrame(*window_);
  ExpectControls(*window_);
  ExpectTabOrder(*window_);
  Ref<fw::Picture> picture = window_->Canvas1()->Backdrop();
  ASSERT_FALSE(picture.IsNil()) << "the canvas shows the application picture";
  EXPECT_EQ(picture, App48());
}

TEST_F(MainWindowTest, ControlsAreCreatedInAscendingTabOrder) {
  const std::vector<Ref<fw::Control>>& created = window_->Controls();
  ASSERT_EQ(created.size(), std::size(kControls));
  for (size_t i = 1; i < created.size(); ++i) {
    EXPECT_GT(created[i]->TabIndex(), created[i - 1]->TabIndex())
        << created[i]->Name() << " after " << created[i - 1]->Name();
  }
}

TEST_F(MainWindowTest, ASecondAccessorCallReturnsTheOpenWindowUntouched) {
  Field(window_->edPercent())->setText("12.5");
  CalculateByButton("12.5", "200");
  Results before = Shown();
  EXPECT_EQ(MainWindow::Instance(), window_);
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(window_->edPercent()->Text(), "12.5");
  EXPECT_EQ(window_->Title(), "Zazudedid Idarero");
}

TEST_F(MainWindowTest, AWindowBuiltAfterTheFirstClosedHasTheSameLayout) {
  CalculateByButton("12.5", "200");
  window_->Close();
  EXPECT_TRUE(fw::GetImplicitWindow(MainWindow::kFullClassName).IsNil());

  Ref<MainWindow> second = MainWindow::Instance();
  ASSERT_NE(second, window_);
  window_ = second;
  Activate(*second);
  ExpectWindowFrame(*second);
  ExpectControls(*second);
  ExpectTabOrder(*second);
  EXPECT_EQ(Shown(), NoResults()) << "nothing carries over from the closed window";
  EXPECT_TRUE(second->HasMenuHandler("FileAbout"));
}

namespace {

// Drives each of the eleven bindings once and checks that its handler ran
// exactly once: copies and addresses are counted, the rest shows in focus,
// texts and cursors.
class Bindings : public MainWindowTest {
 protected:
  void ExerciseEveryBinding() {
    std::vector<std::string> urls;
    fw::testing::CaptureShowURL([&](const fw::String& address) { urls.push_back(address); });
    QLineEdit* percent = Field(window_->edPercent());
    QLineEdit* value = Field(window_->edValue());

    TypeInto(percent, "12.5");
    Return(percent);  // edPercent KeyDown
    EXPECT_EQ(Focused(), value);
    EXPECT_EQ(Shown(), NoResults()) << "Return in edPercent computes nothing";
    QTest::keyClicks(value, "200");
    Return(value);  // edValue KeyDown
    EXPECT_EQ(Shown(), (Results{"= 25.00", "+ 225.00", "- 175.00", true}));
    EXPECT_EQ(Focused(), value);

    TypeInto(value, "100");
    Click(Button(window_->btnCalc()));  // btnCalc Action
    EXPECT_EQ(Shown(), (Results{"= 12.50", "+ 112.50", "- 87.50", true}));

    const std::pair<QLabel*, const char*> results[] = {{Label(window_->stAmount()), "12.50"},
                                                       {Label(window_->stPlus()), "112.50"},
                                                       {Label(window_->stMinus()), "87.50"}};
    for (auto [label, copied] : results) {  // the three MouseDown bindings
      int before = clipboardChanges_;
      Click(label);
      EXPECT_EQ(clipboardChanges_, before + 1) << "copying " << copied;
      EXPECT_EQ(ClipboardText(), copied);
    }

    QLabel* link = Label(window_->stInfo2());
    QTest::mouseMove(link, link->rect().center());  // stInfo2 MouseEnter
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(Button(window_->btnClear()));  // stInfo2 MouseExit
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    Click(link);  // stInfo2 MouseDown
    EXPECT_EQ(urls, std::vector<std::string>{"www.example.com"});

    Click(Button(window_->btnClear()));  // btnClear Action
    EXPECT_EQ(Shown(), NoResults());
    EXPECT_EQ(Focused(), percent);

    FixtureApplications applications(scratch_.path().toStdString());
    Click(Button(window_->btnCalc1()));  // btnCalc1 Action
    Ref<NotifyWindow> message = OpenMessage();
    ASSERT_FALSE(message.IsNil()) << "the launch reported nothing";
    message->Close();
  }
};

}  // namespace

TEST_F(Bindings, EachEventOfTheFirstWindowReachesItsHandlerOnce) {
  ExerciseEveryBinding();
}

TEST_F(Bindings, EachEventOfASecondWindowReachesItsHandlerOnce) {
  window_->Close();
  window_ = MainWindow::Instance();
  Activate(*window_);
  ExerciseEveryBinding();
}

TEST_F(MainWindowTest, ClicksOnTheUnboundControlsDoNothing) {
  std::vector<std::string> urls;
  fw::testing::CaptureShowURL([&](const fw::String& address) { urls.push_back(address); });
  CalculateByButton("12.5", "200");
  Results before = Shown();
  QWidget* focus = Focused();
  ASSERT_TRUE(Label(window_->stClick())->isVisible()) << "the hint is clicked while shown";

  const std::pair<const char*, Ref<fw::Control>> unbound[] = {
      {"StaticText1", window_->StaticText1()},
      {"StaticText2", window_->StaticText2()},
      {"stClick", window_->stClick()},
      {"Canvas1", window_->Canvas1()}};
  for (const auto& [name, control] : unbound) {
    SCOPED_TRACE(name);
    QWidget* widget = fw::testing::NativeWidget(*control);
    Click(widget);
    QTest::mouseMove(widget, widget->rect().center());
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(clipboardChanges_, 0);
    EXPECT_EQ(ClipboardText(), kClipboardBefore.toStdString());
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Focused(), focus);
    EXPECT_TRUE(urls.empty());
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
  }
  EXPECT_EQ(window_->edPercent()->Text(), "12.5");
  EXPECT_EQ(window_->edValue()->Text(), "200");
}

// A loaded picture stays for the rest of the process, so this needs a
// process in which none has loaded yet (each CTest run is one).
class WithoutPicture : public WidgetTest {};

TEST_F(WithoutPicture, TheWindowOpensWithEveryControlAndABlankCanvas) {
  MakeBundle(/*withResources=*/true, /*withPictures=*/false);
  if (!App48().IsNil()) {
    GTEST_SKIP() << "the application picture was loaded earlier in this process";
  }
  Ref<MainWindow> window = MainWindow::Instance();
  ExpectWindowFrame(*window);
  ExpectControls(*window);
  EXPECT_TRUE(window->Canvas1()->Backdrop().IsNil());

  window->edPercent()->Text("12.5");
  window->edValue()->Text("200");
  QTest::mouseClick(fw::testing::NativeWidget(*window->btnCalc()), Qt::LeftButton);
  EXPECT_EQ(window->stAmount()->Text(), "= 25.00") << "a blank canvas stops nothing";
  EXPECT_FALSE(fw::runtime::HasPendingException());
  window->Close();
}
