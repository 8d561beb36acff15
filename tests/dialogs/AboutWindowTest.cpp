#include <QTest>
#include <vector>

#include "common/App.h"
#include "common/Pictures.h"
#include "common/SharedTexts.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/DialogFixture.h"

using fw::Ref;
using fw::String;
using fw::testing::NativeWidget;
using fw::testing::NativeWindow;

namespace {

constexpr const char* kClass = AboutWindow::kFullClassName;

Ref<fw::StaticText> LabelNamed(const AboutWindow& window, const char* name) {
  return window.Control<fw::StaticText>(name);
}

}  // namespace

class AboutTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    bundle_ = MakeBundle();
    WriteInfoPlist(bundle_, "2.10");
    RegisterAppObject();
    fw::testing::CaptureShowURL([this](const String& address) { shown_.push_back(address); });
  }

  // Versions are read once per application object: a new one reads the file.
  void RegisterAppWithVersion(const std::string& version) {
    WriteInfoPlist(bundle_, version);
    RegisterAppObject();
  }

  static void Press(const Ref<fw::Control>& control) {
    QTest::mouseClick(NativeWidget(*control), Qt::LeftButton, {}, QPoint(3, 3));
  }

  std::filesystem::path bundle_;
  std::vector<String> shown_;
};

TEST_F(AboutTest, IsAFixedWindowWithOnlyACloseButton) {
  Ref<AboutWindow> window = AboutWindow::Instance();
  QWidget* top = NativeWindow(*window);
  EXPECT_EQ(window->Title(), "About");
  EXPECT_EQ(fw::testing::ContentArea(*window)->size(), QSize(356, 164));
  Qt::WindowFlags flags = top->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "resizable";
  EXPECT_TRUE(top->isVisible()) << "the layout makes it visible";
  EXPECT_EQ(OpenWindowsOf(kClass), 1);
}

TEST_F(AboutTest, ConstructionFillsTheFiveLabels) {
  struct Expected {
    const char* name;
    String text;
    QRect geometry;
    int pixelSize;
    bool bold;
    bool underline;
    QColor color;
    QString helpTag;
  };
  const QColor black(0, 0, 0);
  const QColor blue(0, 0, 255);
  const Expected labels[] = {
      {"stProgramName", "Zazudedid Idarero", {20, 14, 238, 20}, 14, true, false, black, ""},
      {"stVersion", "Version 2.10", {20, 46, 238, 20}, 12, false, false, black, ""},
      {"stCopyright", String(CopyrightLine), {20, 68, 316, 20}, 12, false, false, black, ""},
      {"stEmail",
       "support@example.com",
       {20, 100, 160, 20},
       12,
       false,
       true,
       blue,
       "Open default email application to compose an email"},
      {"stURL",
       "www.example.com",
       {20, 124, 160, 20},
       12,
       false,
       true,
       blue,
       "Open default web browser and go to applications' website"},
  };
  Ref<AboutWindow> window = AboutWindow::Instance();
  for (const Expected& e : labels) {
    SCOPED_TRACE(e.name);
    Ref<fw::StaticText> label = LabelNamed(*window, e.name);
    ASSERT_FALSE(label.IsNil());
    QWidget* widget = NativeWidget(*label);
    EXPECT_EQ(label->Text(), e.text);
    EXPECT_EQ(widget->geometry(), e.geometry);
    EXPECT_EQ(widget->font().pixelSize(), e.pixelSize);
    EXPECT_EQ(widget->font().bold(), e.bold);
    EXPECT_EQ(widget->font().underline(), e.underline);
    EXPECT_FALSE(widget->font().italic());
    EXPECT_EQ(widget->palette().color(QPalette::WindowText), e.color);
    EXPECT_EQ(widget->toolTip(), e.helpTag);
    EXPECT_TRUE(widget->isVisible());
  }
  EXPECT_EQ(window->stProgramName(), LabelNamed(*window, "stProgramName"));
  EXPECT_EQ(window->stURL(), LabelNamed(*window, "stURL"));

  Ref<fw::Canvas> canvas = window->Canvas1();
  ASSERT_FALSE(canvas.IsNil());
  EXPECT_EQ(NativeWidget(*canvas)->geometry(), QRect(288, 14, 48, 48));
  EXPECT_FALSE(canvas->Backdrop().IsNil());
  EXPECT_EQ(canvas->Backdrop(), App48());
}

TEST_F(AboutTest, VersionLineWritesTheMinorVersionWithAtLeastTwoDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"2.10", "Version 2.10"},   {"1.5", "Version 1.05"},   {"1.12", "Version 1.12"},
      {"7.123", "Version 7.123"}, {"10.0", "Version 10.00"}, {"3", "Version 3.00"},
  };
  for (auto [version, line] : cases) {
    SCOPED_TRACE(version);
    RegisterAppWithVersion(version);
    Ref<AboutWindow> window = AboutWindow::Instance();
    EXPECT_EQ(window->stVersion()->Text(), line);
    window->Close();
  }
}

// A press on a link hands its address on the press; the label's text is
// then changed to show what each link reads.
TEST_F(AboutTest, EachLinkHandsItsAddressOnEveryPress) {
  const struct {
    const char* link;
    String first;
    const char* changedText;
    String afterChange;  // nothing is added or encoded
  } cases[] = {
      {"stEmail", "mailto:support@example.com", "Ann Other <ann@example.org>",
       "mailto:Ann Other <ann@example.org>"},
      {"stURL", "www.example.com", "www.elsewhere.org", "www.example.com"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    shown_.clear();
    Ref<AboutWindow> window = AboutWindow::Instance();
    Ref<fw::StaticText> link = LabelNamed(*window, c.link);
    Press(link);
    link->Text(c.changedText);
    Press(link);
    EXPECT_EQ(shown_, (std::vector<String>{c.first, c.afterChange}));
    EXPECT_FALSE(fw::testing::RaiseMouseDown(*link, 5, 5)) << "the handler returns False";
    EXPECT_EQ(shown_.size(), 3u);
    window->Close();
  }
}

TEST_F(AboutTest, OnlyTheTwoLinksReactToTheMouse) {
  Ref<AboutWindow> window = AboutWindow::Instance();
  const Ref<fw::Control> quiet[] = {window->stProgramName(), window->stVersion(),
                                    window->stCopyright(), window->Canvas1()};
  for (const auto& control : quiet) {
    SCOPED_TRACE(control->Name());
    Press(control);
    EXPECT_FALSE(control->HasHandler(fw::events::MouseDown::Name));
  }
  EXPECT_TRUE(shown_.empty());
  // The About window's links keep the mouse cursor as it is.
  const Ref<fw::Control> links[] = {window->stEmail(), window->stURL()};
  for (const auto& link : links) {
    SCOPED_TRACE(link->Name());
    EXPECT_FALSE(link->HasHandler(fw::events::MouseEnter::Name));
    EXPECT_FALSE(link->HasHandler(fw::events::MouseExit::Name));
  }
}

TEST_F(AboutTest, OneWindowWhileOpenAndANewOneAfterClosing) {
  Ref<AboutWindow> first = AboutWindow::Instance();
  first->stVersion()->Text("edited");
  EXPECT_EQ(AboutWindow::Instance(), first);
  EXPECT_EQ(first->stVersion()->Text(), "edited") << "Open ran again on an open window";
  EXPECT_EQ(OpenWindowsOf(kClass), 1);

  first->Close();
  EXPECT_EQ(OpenWindowsOf(kClass), 0);
  EXPECT_FALSE(NativeWindow(*first)->isVisible());
  RegisterAppWithVersion("3.4");
  Ref<AboutWindow> second = AboutWindow::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->stVersion()->Text(), "Version 3.04") << "the version is read again";
  EXPECT_EQ(second->stProgramName()->Text(), "Zazudedid Idarero");
  EXPECT_EQ(OpenWindowsOf(kClass), 1);
}

TEST_F(AboutTest, ACloseRequestClosesIt) {
  Ref<AboutWindow> window = AboutWindow::Instance();
  NativeWindow(*window)->close();
  EXPECT_FALSE(window->IsOpen());
  EXPECT_FALSE(NativeWindow(*window)->isVisible());
  EXPECT_TRUE(fw::GetImplicitWindow(kClass).IsNil());
}

TEST_F(AboutTest, WithoutTheApplicationPictureOnlyThePictureAreaIsEmpty) {
  std::filesystem::remove(bundle_ / "Contents" / "Resources" / "48.png");
  if (!App48().IsNil()) {
    GTEST_SKIP() << "the application picture was loaded earlier in this process and is kept";
  }
  Ref<AboutWindow> window = AboutWindow::Instance();
  EXPECT_TRUE(window->Canvas1()->Backdrop().IsNil());
  EXPECT_EQ(window->stProgramName()->Text(), "Zazudedid Idarero");
  EXPECT_EQ(window->stVersion()->Text(), "Version 2.10");
  EXPECT_EQ(window->stCopyright()->Text(), String(CopyrightLine));
  EXPECT_EQ(window->stEmail()->Text(), "support@example.com");
  EXPECT_EQ(window->stURL()->Text(), "www.example.com");
  EXPECT_TRUE(NativeWindow(*window)->isVisible());
}

namespace {

constexpr const char* kLaidOut = "as laid out";

// Marks the five labels between their layout and Open, so that each text
// tells whether Open set it: the layout's mail and web texts are Open's own.
class MarkedAboutWindow : public AboutWindow {
 public:
  void CreateControls() override {
    AboutWindow::CreateControls();
    for (const char* name : {"stCopyright", "stProgramName", "stVersion", "stEmail", "stURL"}) {
      Control<fw::StaticText>(name)->Text(kLaidOut);
    }
  }
};

}  // namespace

// Open sets the copyright and the name before it asks App for the version:
// without an application object it stops there, and the version, mail and
// web labels keep what the layout gave them.
TEST_F(AboutTest, OpenSetsTheLabelsInOrderAndStopsWhereTheApplicationIsMissing) {
  const struct {
    const char* what;
    bool withApplication;
    String copyright, name, version, email, url;
  } cases[] = {
      {"with the application", true, String(CopyrightLine), "Zazudedid Idarero", "Version 2.10",
       "support@example.com", "www.example.com"},
      {"without an application object", false, String(CopyrightLine), "Zazudedid Idarero", kLaidOut,
       kLaidOut, kLaidOut},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.withApplication) {
      RegisterAppObject();
    } else {
      fw::RuntimeRegisterAppObject(nullptr);
    }
    // What the accessor does, keeping hold of the window.
    Ref<MarkedAboutWindow> window = fw::RuntimeNewObject<MarkedAboutWindow>();
    if (c.withApplication) {
      EXPECT_NO_THROW(window->Constructor());
    } else {
      EXPECT_THROW(window->Constructor(), fw::NilObjectException);
    }
    EXPECT_EQ(window->stCopyright()->Text(), c.copyright);
    EXPECT_EQ(window->stProgramName()->Text(), c.name);
    EXPECT_EQ(window->stVersion()->Text(), c.version);
    EXPECT_EQ(window->stEmail()->Text(), c.email);
    EXPECT_EQ(window->stURL()->Text(), c.url);
    EXPECT_EQ(fw::GetImplicitWindow(kClass).IsNil(), !c.withApplication)
        << "only a window that was built is the open About window";
    EXPECT_EQ(NativeWindow(*window)->isVisible(), c.withApplication);
    window->Close();
  }
  EXPECT_TRUE(shown_.empty());

  fw::RuntimeRegisterAppObject(nullptr);
  EXPECT_THROW(AboutWindow::Instance(), fw::NilObjectException);
  EXPECT_EQ(OpenWindowsOf(kClass), 0) << "a window that failed to build stays listed";
}
