// Text fields, labels and the Edit items on a window of their own: focus
// given by code, the length a field takes, a label cut to its width, and
// which Edit items the focused field enables however the menu is opened.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "core/LayoutEntries.h"
#include "support/WidgetFixture.h"

using fw::Ref;

namespace {

Ref<fw::MenuItem> NewItem(const char* name, const char* text) {
  auto item = std::make_shared<fw::MenuItem>();
  item->Name(name);
  item->Text(text);
  item->AutoEnable(true);
  return item;
}

// A File menu to move from, and an Edit menu whose items the framework runs
// on the focused field.
Ref<fw::MenuBar> EditingBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  Ref<fw::MenuItem> file = NewItem("FileMenu", "&File");
  file->Append(NewItem("FileNothing", "&Nothing"));
  Ref<fw::MenuItem> edit = NewItem("EditMenu", "&Edit");
  for (auto [name, text] : {std::pair{"EditUndo", "&Undo"},
                            {"EditCut", "Cu&t"},
                            {"EditCopy", "&Copy"},
                            {"EditPaste", "&Paste"},
                            {"EditClear", "&Delete"},
                            {"EditSelectAll", "Select &All"}}) {
    edit->Append(NewItem(name, text));
  }
  bar->FieldEditItem("EditUndo", fw::FieldEdit::Undo);
  bar->FieldEditItem("EditCut", fw::FieldEdit::Cut);
  bar->FieldEditItem("EditCopy", fw::FieldEdit::Copy);
  bar->FieldEditItem("EditPaste", fw::FieldEdit::Paste);
  bar->FieldEditItem("EditClear", fw::FieldEdit::Delete);
  bar->FieldEditItem("EditSelectAll", fw::FieldEdit::SelectAll);
  bar->Append(file);
  bar->Append(edit);
  return bar;
}

// clang-format off
constexpr fw::layout::Window kWindow{.Placement = 0, .Width = 330, .Height = 80, .Title = "Probe"};
constexpr fw::layout::TextField kFirst{
    .Name = "edFirst", .Left = 10, .Top = 10, .Width = 90, .Height = 22, .TabIndex = 0,
    .Text = "100"};
constexpr fw::layout::TextField kSecond{
    .Name = "edSecond", .Left = 110, .Top = 10, .Width = 90, .Height = 22, .TabIndex = 1};
constexpr fw::layout::TextField kLimited{
    .Name = "edLimited", .Left = 210, .Top = 10, .Width = 50, .Height = 22, .TabIndex = 2,
    .LimitText = 5};
constexpr fw::layout::StaticText kResult{
    .Name = "stResult", .Left = 10, .Top = 45, .Width = 151, .Height = 20, .TabIndex = 3,
    .TextAlign = 2};
constexpr fw::layout::PushButton kButton{
    .Name = "btnProbe", .Left = 250, .Top = 45, .Width = 70, .Height = 20, .TabIndex = 4,
    .Caption = "Probe"};
// clang-format on

class FieldsWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "FieldsWindow.FieldsWindow";
  FieldsWindow() : fw::Window(kFullClassName) {}
  static Ref<FieldsWindow> Instance() { return fw::ImplicitInstance<FieldsWindow>(); }
  void Layout() override {
    MenuBar(EditingBar());
    fw::SetProperties(*this, fw::layout::Blob<kWindow>.View());
  }
  void CreateControls() override {
    fw::CreateControl<fw::TextField>(*this, fw::layout::ControlLayoutOf<kFirst>);
    fw::CreateControl<fw::TextField>(*this, fw::layout::ControlLayoutOf<kSecond>);
    fw::CreateControl<fw::TextField>(*this, fw::layout::ControlLayoutOf<kLimited>);
    fw::CreateControl<fw::StaticText>(*this, fw::layout::ControlLayoutOf<kResult>);
    fw::CreateControl<fw::PushButton>(*this, fw::layout::ControlLayoutOf<kButton>);
  }
  QLineEdit* Field(const char* name) const {
    return qobject_cast<QLineEdit*>(fw::testing::NativeWidget(*Control<fw::TextField>(name)));
  }
};

class FieldsTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    window_ = FieldsWindow::Instance();
    QWidget* native = fw::testing::NativeWindow(*window_);
    native->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(native));
  }
  void TearDown() override {
    CloseMenus();
    window_->Close();
    window_ = nullptr;
    WidgetTest::TearDown();
  }

  QMenuBar* Bar() const { return fw::testing::NativeMenuBar(*window_); }
  QMenu* Menu(const char* name) const { return Bar()->findChild<QMenu*>(name); }
  static void CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    }
  }

  Ref<FieldsWindow> window_;
};

}  // namespace

TEST_F(FieldsTest, FocusGivenByCodeSelectsTheFieldsTextSoTypingReplacesIt) {
  QLineEdit* first = window_->Field("edFirst");
  ASSERT_EQ(QApplication::focusWidget(), first) << "the first field has the focus at opening";
  QTest::keyClicks(first, "7");
  EXPECT_EQ(window_->Control<fw::TextField>("edFirst")->Text(), "7");

  Ref<fw::TextField> second = window_->Control<fw::TextField>("edSecond");
  second->Text("200");
  second->SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), window_->Field("edSecond"));
  QTest::keyClicks(window_->Field("edSecond"), "300");
  EXPECT_EQ(second->Text(), "300");

  second->Text("");
  second->SetFocus();
  QTest::keyClicks(window_->Field("edSecond"), "4");
  EXPECT_EQ(second->Text(), "4") << "an empty field takes the focus as well";
}

// LimitText 0 sets no limit: Qt's own default would cut at 32,767.
TEST_F(FieldsTest, APasteIsTakenUpToTheFieldsLimit) {
  const std::string longText = std::string(99996, ' ') + "12.5";
  const struct {
    const char* field;
    std::string pasted;
    std::string taken;
  } cases[] = {
      {"edSecond", longText, longText},
      {"edLimited", "1234567", "12345"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    QGuiApplication::clipboard()->setText(QString::fromStdString(c.pasted));
    window_->Control<fw::TextField>(c.field)->SetFocus();
    QTest::keyClick(window_->Field(c.field), Qt::Key_V, Qt::ControlModifier);
    Ref<fw::TextField> field = window_->Control<fw::TextField>(c.field);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !field->Text().empty(); }, 1000));
    EXPECT_EQ(field->Text(), c.taken);
  }
}

TEST_F(FieldsTest, ALabelTooNarrowShowsAnEllipsisWhereItIsCutAndKeepsItsText) {
  Ref<fw::StaticText> result = window_->Control<fw::StaticText>("stResult");
  auto* label = qobject_cast<QLabel*>(fw::testing::NativeWidget(*result));

  result->Text("+ 225.00");
  EXPECT_EQ(fw::testing::ShownText(*result), QStringLiteral("+ 225.00"));

  const std::string whole = "+ 185185183518518530.00";
  result->Text(whole);
  EXPECT_EQ(result->Text(), whole) << "the text itself is whole";
  const QString shown = fw::testing::ShownText(*result);
  ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
  EXPECT_TRUE(QString::fromStdString(whole).startsWith(shown.chopped(1)));
  EXPECT_GE(shown.size(), 8) << "the mark and the leading digits stay";
  EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->width());

  // What is drawn is that shown text, as a label that holds it draws it.
  QLabel reference;
  reference.setFont(label->font());
  reference.setPalette(label->palette());
  reference.setAlignment(label->alignment());
  reference.setAutoFillBackground(label->autoFillBackground());
  reference.resize(label->size());
  reference.setText(shown);
  EXPECT_TRUE(label->grab().toImage() == reference.grab().toImage())
      << "the label does not draw " << shown.toStdString();
}

namespace {

struct FieldState {
  const char* what;
  const char* focused;  // the control that has the focus
  void (*prepare)(QLineEdit& field);
  // Undo, Cut, Copy, Paste, Delete, Select All
  std::array<bool, 6> enabled;
};

const char* const kEditItems[] = {"EditUndo",  "EditCut",   "EditCopy",
                                  "EditPaste", "EditClear", "EditSelectAll"};

const FieldState kStates[] = {
    {"an empty field", "edSecond", [](QLineEdit&) {}, {false, false, false, true, false, false}},
    {"a field with typed text",
     "edSecond",
     [](QLineEdit& f) { QTest::keyClicks(&f, "200"); },
     {true, false, false, true, false, true}},
    {"a field with a selection",
     "edSecond",
     [](QLineEdit& f) {
       QTest::keyClicks(&f, "200");
       QTest::keyClick(&f, Qt::Key_Left, Qt::ShiftModifier);
     },
     {true, true, true, true, true, true}},
    {"no field: the button", "btnProbe", nullptr, {false, false, false, false, false, false}},
};

struct Opening {
  const char* what;
  void (*open)(QMenuBar& bar, QWidget& focused);
};

const Opening kOpenings[] = {
    {"a click on Edit",
     [](QMenuBar& bar, QWidget&) {
       QAction* edit = bar.findChild<QMenu*>("EditMenu")->menuAction();
       QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(edit).center());
     }},
    {"Alt+E",
     [](QMenuBar&, QWidget& focused) { QTest::keyClick(&focused, Qt::Key_E, Qt::AltModifier); }},
    // The menu bar has the keyboard by the time the Edit menu opens.
    {"Alt+F, then Right",
     [](QMenuBar&, QWidget& focused) {
       QTest::keyClick(&focused, Qt::Key_F, Qt::AltModifier);
       QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
     }},
};

}  // namespace

TEST_F(FieldsTest, TheEditItemsFollowTheWindowsFocusedFieldHoweverTheMenuOpens) {
  QGuiApplication::clipboard()->clear();  // Paste does not ask the clipboard
  for (const Opening& opening : kOpenings) {
    for (const FieldState& state : kStates) {
      SCOPED_TRACE(std::string(state.what) + ", opened by " + opening.what);
      CloseMenus();
      window_->Close();
      window_ = FieldsWindow::Instance();
      QWidget* native = fw::testing::NativeWindow(*window_);
      native->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(native));
      window_->Control(state.focused)->SetFocus();
      QWidget* focused = fw::testing::NativeWidget(*window_->Control(state.focused));
      if (state.prepare) {
        state.prepare(*qobject_cast<QLineEdit*>(focused));
      }

      opening.open(*Bar(), *focused);
      QMenu* edit = Menu("EditMenu");
      ASSERT_TRUE(edit->isVisible()) << "the Edit menu opened";
      for (size_t i = 0; i < std::size(kEditItems); ++i) {
        QAction* action = edit->findChild<QAction*>(kEditItems[i]);
        ASSERT_NE(action, nullptr) << kEditItems[i];
        EXPECT_EQ(action->isEnabled(), state.enabled[i]) << kEditItems[i];
      }
    }
  }
}

// A menu opened from the keyboard, an item chosen by its access key.
TEST_F(FieldsTest, EditItemsChosenFromTheKeyboardActOnTheField) {
  QLineEdit* field = window_->Field("edSecond");
  window_->Control<fw::TextField>("edSecond")->SetFocus();
  QTest::keyClicks(field, "200");
  QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
  QGuiApplication::clipboard()->setText("held before");
  fw::testing::HeldClipboard clipboard;

  const struct {
    const char* what;
    bool throughFile;
    Qt::Key key;
    const char* text;
    const char* selected;
    const char* clipboard;
  } steps[] = {
      {"Copy", false, Qt::Key_C, "200", "200", "200"},
      {"Cut", true, Qt::Key_T, "", "", "200"},
      {"Paste", false, Qt::Key_P, "200", "", "200"},
      {"Select All", true, Qt::Key_A, "200", "200", "200"},
      {"Delete", false, Qt::Key_D, "", "", "200"},
      {"Undo", true, Qt::Key_U, "200", "200", "200"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    if (step.throughFile) {
      QTest::keyClick(field, Qt::Key_F, Qt::AltModifier);
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    } else {
      QTest::keyClick(field, Qt::Key_E, Qt::AltModifier);
    }
    ASSERT_TRUE(Menu("EditMenu")->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), step.key);
    EXPECT_FALSE(Menu("EditMenu")->isVisible());
    // The paste's read, answered as the clipboard would.
    if (clipboard.Pending() > 0) {
      clipboard.Answer(QGuiApplication::clipboard()->text());
    }
    EXPECT_EQ(field->text(), QString::fromUtf8(step.text));
    EXPECT_EQ(field->selectedText(), QString::fromUtf8(step.selected));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(step.clipboard));
    ASSERT_EQ(QApplication::focusWidget(), field) << "the field has the keyboard back";
  }
}
