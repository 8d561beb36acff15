// A paste asks for the clipboard and goes on when it answers: the text lands
// at the cursor, keys typed meanwhile follow it in order, and an abandoned
// read changes nothing. The reads are held by the test, as a slow owner
// would hold them.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <functional>

#include "core/LayoutEntries.h"
#include "support/WidgetFixture.h"

using fw::Ref;

namespace {

// clang-format off
constexpr fw::layout::Window kWindow{.Placement = 0, .Width = 220, .Height = 40, .Title = "Paste"};
constexpr fw::layout::TextField kFirst{
    .Name = "edFirst", .Left = 10, .Top = 10, .Width = 90, .Height = 22, .TabIndex = 0};
constexpr fw::layout::TextField kSecond{
    .Name = "edSecond", .Left = 110, .Top = 10, .Width = 90, .Height = 22, .TabIndex = 1};
// clang-format on

Ref<fw::MenuBar> PasteBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  auto edit = std::make_shared<fw::MenuItem>();
  edit->Name("EditMenu");
  edit->Text("&Edit");
  auto paste = std::make_shared<fw::MenuItem>();
  paste->Name("EditPaste");
  paste->Text("&Paste");
  paste->AutoEnable(true);
  edit->Append(paste);
  bar->Append(edit);
  bar->FieldEditItem("EditPaste", fw::FieldEdit::Paste);
  return bar;
}

class PasteWindow : public fw::Window {
 public:
  static constexpr const char* kFullClassName = "PasteWindow.PasteWindow";
  PasteWindow() : fw::Window(kFullClassName) {}
  static Ref<PasteWindow> Instance() { return fw::ImplicitInstance<PasteWindow>(); }
  void Layout() override {
    MenuBar(PasteBar());
    fw::SetProperties(*this, fw::layout::Blob<kWindow>.View());
  }
  void CreateControls() override {
    fw::CreateControl<fw::TextField>(*this, fw::layout::ControlLayoutOf<kFirst>);
    fw::CreateControl<fw::TextField>(*this, fw::layout::ControlLayoutOf<kSecond>);
  }
  QLineEdit* Field(const char* name) const {
    return qobject_cast<QLineEdit*>(fw::testing::NativeWidget(*Control<fw::TextField>(name)));
  }
};

class PasteTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    window_ = PasteWindow::Instance();
    QWidget* native = fw::testing::NativeWindow(*window_);
    native->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(native));
    first_ = window_->Field("edFirst");
    second_ = window_->Field("edSecond");
    first_->setFocus();
  }
  void TearDown() override {
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    }
    window_->Close();
    window_ = nullptr;
    WidgetTest::TearDown();
  }

  // The menu a right click on the first field opens, or Nil.
  QMenu* RightClickMenu() {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            first_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(first_, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  Ref<PasteWindow> window_;
  QLineEdit* first_ = nullptr;
  QLineEdit* second_ = nullptr;
};

struct Trigger {
  const char* what;
  std::function<void(PasteWindow&, QLineEdit&)> paste;
};

const Trigger kTriggers[] = {
    {"Ctrl+V",
     [](PasteWindow&, QLineEdit& f) { QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier); }},
    {"Shift+Insert",
     [](PasteWindow&, QLineEdit& f) { QTest::keyClick(&f, Qt::Key_Insert, Qt::ShiftModifier); }},
    {"Edit > Paste",
     [](PasteWindow& w, QLineEdit&) {
       fw::testing::RefreshMenusOf(w);
       QAction* action = fw::testing::NativeMenuBar(w)->findChild<QAction*>("EditPaste");
       ASSERT_TRUE(action && action->isEnabled());
       action->trigger();
     }},
};

}  // namespace

TEST_F(PasteTest, TheAnswerLandsAtTheCursorAndKeysTypedMeanwhileFollowIt) {
  const struct {
    const char* what;
    const char* before;
    void (*place)(QLineEdit&);
    std::optional<QString> answer;
    const char* typed;
    const char* after;
  } cases[] = {
      {"an empty field", "", [](QLineEdit&) {}, QStringLiteral("12"), "34", "1234"},
      {"inside the text", "15", [](QLineEdit& f) { f.setCursorPosition(1); }, QStringLiteral("0"),
       "9", "1095"},
      {"over a selection", "100", [](QLineEdit& f) { f.selectAll(); }, QStringLiteral("7"), ".5",
       "7.5"},
      // Nothing pasted and the selection kept: the typed key replaces it.
      {"abandoned", "100", [](QLineEdit& f) { f.selectAll(); }, std::nullopt, "2", "2"},
      {"abandoned, no key", "100", [](QLineEdit& f) { f.setCursorPosition(1); }, std::nullopt, "",
       "100"},
  };
  for (const Trigger& trigger : kTriggers) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(trigger.what) + ", " + c.what);
      fw::testing::HeldClipboard clipboard;
      first_->setText(QString::fromLatin1(c.before));
      c.place(*first_);
      trigger.paste(*window_, *first_);
      ASSERT_EQ(clipboard.Pending(), 1) << "the paste asked the clipboard";
      QTest::keyClicks(first_, QString::fromLatin1(c.typed));
      Settle();
      EXPECT_EQ(first_->text(), QString::fromLatin1(c.before)) << "typed keys wait for the paste";

      clipboard.Answer(c.answer);
      EXPECT_EQ(first_->text(), QString::fromLatin1(c.after));
    }
  }
}

TEST_F(PasteTest, HeldKeysMoveTheFocusAndStartPastesInTurn) {
  fw::testing::HeldClipboard clipboard;
  QTest::keyClick(first_, Qt::Key_V, Qt::ControlModifier);
  // Tab and a digit, then another paste and a digit: the second paste is
  // asked for only once its key's turn comes, and holds what follows it.
  QTest::keyClick(first_, Qt::Key_Tab);
  QTest::keyClicks(first_, "5");
  QTest::keyClick(first_, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClicks(first_, "9");
  EXPECT_EQ(clipboard.Pending(), 1);

  clipboard.Answer(QStringLiteral("12"));
  EXPECT_EQ(first_->text(), QStringLiteral("12"));
  EXPECT_EQ(QApplication::focusWidget(), second_) << "the held Tab moved the focus";
  EXPECT_EQ(second_->text(), QStringLiteral("5"));
  ASSERT_EQ(clipboard.Pending(), 1) << "the held Ctrl+V asked again";

  clipboard.Answer(QStringLiteral("0"));
  EXPECT_EQ(second_->text(), QStringLiteral("509"));
  EXPECT_EQ(first_->text(), QStringLiteral("12"));
}

TEST_F(PasteTest, AnAnswerAfterTheWindowHasClosedChangesNothing) {
  fw::testing::HeldClipboard clipboard;
  QTest::keyClick(first_, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClicks(first_, "4");
  window_->Close();
  Settle();
  clipboard.Answer(QStringLiteral("12"));  // must not reach a deleted field
  EXPECT_EQ(clipboard.Pending(), 0);
}

// Offscreen has no other program to wait for: Qt's clipboard answers.
TEST_F(PasteTest, WithoutAHeldReadThePlatformsClipboardAnswersFromTheEventLoop) {
  QGuiApplication::clipboard()->setText(QStringLiteral("3.25"));
  QTest::keyClick(first_, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClicks(first_, "7");
  EXPECT_TRUE(QTest::qWaitFor([&] { return first_->text() == QStringLiteral("3.257"); }, 1000))
      << first_->text().toStdString();
}

TEST_F(PasteTest, TheRightClickMenuIsQLineEditsOwnWithPasteOfferedWithoutAskingTheClipboard) {
  QGuiApplication::clipboard()->setText(QStringLiteral("1"));  // Qt's own menu then offers Paste
  const struct {
    const char* what;
    void (*prepare)(QLineEdit&);
  } states[] = {
      {"empty", [](QLineEdit&) {}},
      {"typed", [](QLineEdit& f) { QTest::keyClicks(&f, "25"); }},
      {"selected",
       [](QLineEdit& f) {
         QTest::keyClicks(&f, "25");
         f.setSelection(0, 1);
       }},
      {"all selected",
       [](QLineEdit& f) {
         QTest::keyClicks(&f, "25");
         f.selectAll();
       }},
      {"undone",
       [](QLineEdit& f) {
         QTest::keyClicks(&f, "25");
         f.undo();
       }},
      {"read-only",
       [](QLineEdit& f) {
         f.setText(QStringLiteral("25"));
         f.setReadOnly(true);
       }},
  };
  auto describe = [](const QMenu& menu) {
    QStringList rows;
    for (const QAction* action : menu.actions()) {
      rows << (action->isSeparator()
                   ? QStringLiteral("--")
                   : action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)")));
    }
    return rows.join(QLatin1Char('\n')).toStdString();
  };
  for (const auto& state : states) {
    SCOPED_TRACE(state.what);
    first_->clear();
    first_->setReadOnly(false);
    state.prepare(*first_);
    std::unique_ptr<QMenu> expected(first_->createStandardContextMenu());

    fw::testing::HeldClipboard clipboard;
    QMenu* shown = RightClickMenu();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(describe(*shown), describe(*expected));
    EXPECT_EQ(clipboard.Pending(), 0) << "opening the menu asks nothing";
    shown->close();
  }

  first_->setReadOnly(false);
  first_->setText(QStringLiteral("25"));
  first_->selectAll();
  fw::testing::HeldClipboard clipboard;
  QMenu* shown = RightClickMenu();
  ASSERT_NE(shown, nullptr);
  const QList<QAction*> actions = shown->actions();
  auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
    return a->text().startsWith(QLineEdit::tr("&Paste"));
  });
  ASSERT_NE(paste, actions.end());
  ASSERT_TRUE((*paste)->isEnabled());
  (*paste)->trigger();
  shown->close();
  ASSERT_EQ(clipboard.Pending(), 1);
  clipboard.Answer(QStringLiteral("8"));
  EXPECT_EQ(first_->text(), QStringLiteral("8"));
}
