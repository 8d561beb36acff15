#include <QLabel>
#include <QTest>

#include "core/LayoutEntries.h"
#include "gui/WindowClass.h"
#include "support/WidgetFixture.h"

using fw::Ref;

namespace {

// A window that records its construction events and has one label.
class ProbeWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "ProbeWindow.ProbeWindow";
  ProbeWindow() : fw::Window(kFullClassName) {}
  static Ref<ProbeWindow> Instance() { return fw::ImplicitInstance<ProbeWindow>(); }
  void Layout() override { events.push_back("Layout"); }
  void CreateControls() override {
    events.push_back("CreateControls");
    fw::CreateControl<fw::StaticText>(*this, {.name = "stLabel", .blob = {}}, {},
                                      {fw::Bind<fw::events::MouseDown>(&ProbeWindow::Pressed)});
  }
  void AddMenuHandlers(fw::Window&) override { events.push_back("AddMenuHandlers"); }
  void Event_Open() override { events.push_back("Open"); }
  bool Pressed(fw::StaticText& me, int32_t x, int32_t y) {
    presses.push_back(me.Name() + "@" + std::to_string(x) + "," + std::to_string(y));
    return false;
  }
  std::vector<std::string> events;
  std::vector<std::string> presses;
};

namespace rows {
FW_CONTROL_ROW(StaticText, stFirst, .TabIndex = 1, .Text = "one");
FW_CONTROL_ROW(PushButton, btnSecond, .TabIndex = 2, .Caption = "two");
}  // namespace rows

// Controls declared as members: each is its accessor and is made in turn.
class DeclaringWindow : public fw::WindowClass<DeclaringWindow> {
 public:
  static constexpr const char* kFullClassName = "DeclaringWindow.DeclaringWindow";
  fw::ControlSlot<rows::stFirst> stFirst{this};
  fw::ControlSlot<rows::btnSecond> btnSecond{
      this, {}, {fw::Bind<fw::events::Action>(&DeclaringWindow::btnSecond_Action)}};
  void btnSecond_Action(fw::PushButton&) { ++pushes; }
  int pushes = 0;
};

class MisorderedWindow : public fw::WindowClass<MisorderedWindow> {
 public:
  static constexpr const char* kFullClassName = "MisorderedWindow.MisorderedWindow";
  fw::ControlSlot<rows::btnSecond> btnSecond{this};
  fw::ControlSlot<rows::stFirst> stFirst{this};
};

class SecondWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "SecondWindow.SecondWindow";
  SecondWindow() : fw::Window(kFullClassName) {}
  static Ref<SecondWindow> Instance() { return fw::ImplicitInstance<SecondWindow>(); }
};

}  // namespace

using WindowTest = WidgetTest;

TEST_F(WindowTest, DeclaredControlsAreMadeInOrderAndFoundByTheirNames) {
  auto window = DeclaringWindow::Instance();
  ASSERT_EQ(window->Controls().size(), 2u);
  EXPECT_EQ(window->Controls()[0]->Name(), "stFirst");
  EXPECT_EQ(window->Controls()[1]->Name(), "btnSecond");
  EXPECT_EQ(window->stFirst(), window->Control("stFirst"));
  EXPECT_EQ(window->stFirst()->Text(), "one");
  window->btnSecond()->Push();
  EXPECT_EQ(window->pushes, 1) << "the declared binding is installed";
}

TEST_F(WindowTest, ControlsDeclaredOutOfTabOrderAreRefused) {
  EXPECT_THROW(MisorderedWindow::Instance(), fw::RuntimeException);
  EXPECT_TRUE(fw::GetImplicitWindow(MisorderedWindow::kFullClassName).IsNil());
}

TEST_F(WindowTest, ConstructionRaisesTheEventsInOrderOnce) {
  auto window = ProbeWindow::Instance();
  EXPECT_EQ(window->events,
            (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
  EXPECT_EQ(ProbeWindow::Instance(), window);
  EXPECT_EQ(window->events.size(), 4u) << "a second accessor call raises nothing";
}

TEST_F(WindowTest, ClosingDropsTheImplicitInstance) {
  auto first = ProbeWindow::Instance();
  first->Close();
  EXPECT_TRUE(fw::GetImplicitWindow(ProbeWindow::kFullClassName).IsNil());
  EXPECT_FALSE(fw::testing::NativeWindow(*first)->isVisible());
  auto second = ProbeWindow::Instance();
  EXPECT_NE(second, first);
}

// Nothing would be left to quit from: the last window to close ends the
// program as Quit does.
TEST_F(WindowTest, ClosingTheLastWindowQuitsAndClosingAnotherDoesNot) {
  auto first = ProbeWindow::Instance();
  auto second = SecondWindow::Instance();
  fw::testing::NativeWindow(*first)->close();  // as its close button does
  EXPECT_FALSE(fw::runtime::QuitRequested());
  EXPECT_TRUE(second->IsOpen());
  fw::testing::NativeWindow(*second)->close();
  EXPECT_TRUE(fw::runtime::QuitRequested());
}

TEST_F(WindowTest, ControlEventsReachTheWindowsHandlerWithMe) {
  auto window = ProbeWindow::Instance();
  auto* label = fw::testing::NativeWidget(*window->Control("stLabel"));
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 4));
  EXPECT_EQ(window->presses, std::vector<std::string>{"stLabel@3,4"});
}

constexpr auto kCaptionEntries = std::to_array<fw::blob::Entry>({{"Caption", "OK"}});

TEST_F(WindowTest, ABlobPropertyTheClassLacksIsRefused) {
  auto window = ProbeWindow::Instance();
  try {
    fw::SetProperties(*window->Control("stLabel"), fw::blob::Encoded<kCaptionEntries>.View());
    FAIL() << "a StaticText took a Caption";
  } catch (const fw::PropertyBlobException& e) {
    EXPECT_NE(std::string(e.what()).find("Caption"), std::string::npos) << e.what();
  }
}

TEST_F(WindowTest, TheLookupIsTypedAndNilForAMissingName) {
  auto window = ProbeWindow::Instance();
  EXPECT_FALSE(window->Control<fw::StaticText>("stLabel").IsNil());
  EXPECT_TRUE(window->Control<fw::PushButton>("stLabel").IsNil()) << "a label is no button";
  EXPECT_TRUE(window->Control("stMissing").IsNil());
  EXPECT_THROW(window->Control<fw::StaticText>("stMissing")->Text(), fw::NilObjectException);
}

constexpr auto kOtherName = std::to_array<fw::blob::Entry>({{"Name", "stOther"}});
constexpr auto kOwnName = std::to_array<fw::blob::Entry>({{"Name", "stLabel"}});

// A blob that names a control otherwise than its registration would leave
// the control unreachable under its blob's name.
TEST_F(WindowTest, ABlobNamingAnotherControlIsRefused) {
  auto window = ProbeWindow::Instance();
  Ref<fw::Control> label = window->Control("stLabel");
  EXPECT_NO_THROW(fw::SetProperties(*label, fw::blob::Encoded<kOwnName>.View()));
  try {
    fw::SetProperties(*label, fw::blob::Encoded<kOtherName>.View());
    FAIL() << "the label took another name";
  } catch (const fw::PropertyBlobException& e) {
    EXPECT_NE(std::string(e.what()).find("stOther"), std::string::npos) << e.what();
  }
  EXPECT_EQ(label->Name(), "stLabel");
  EXPECT_EQ(window->Control("stLabel"), label);
}

TEST(ControlLayoutTest, TheNameIsTheBlobsName) {
  static constexpr fw::layout::PushButton kRow{.Name = "btnProbe", .Caption = "Probe"};
  constexpr const fw::layout::ControlLayout& layout = fw::layout::ControlLayoutOf<kRow>;
  static_assert(layout.name == "btnProbe");
  EXPECT_EQ(fw::ReadPropertyBlob(layout.blob).front(),
            (fw::PropertyEntry{"Name", fw::String("btnProbe"), 0}));
}

TEST_F(WindowTest, DispatchKeepsTheFirstExceptionAndRunsNothingAfter) {
  int ran = 0;
  fw::Dispatch([] { throw fw::NilObjectException("first"); });
  fw::Dispatch([&] { ++ran; });
  EXPECT_EQ(ran, 0);
  auto error = fw::runtime::TakePendingException();
  ASSERT_TRUE(error);
  EXPECT_EQ(fw::runtime::Describe(error).second, "first");
}

TEST(Ref, NilRaisesNilObjectExceptionOnUse) {
  Ref<fw::MenuItem> nil;
  EXPECT_THROW(nil->Name(), fw::NilObjectException);
  EXPECT_TRUE(
      fw::Cast<fw::QuitMenuItem>(Ref<fw::MenuItem>(std::make_shared<fw::MenuItem>())).IsNil());
}
