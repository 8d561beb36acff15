// The main window's menu side: the item accessors, the FileAbout handler
// with the menu refresh, File > About, and the Edit items on the fields.
#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <typeinfo>

#include "calculator/MainWindowFixture.h"
#include "common/AppObject.h"
#include "common/MenuBar1.h"
#include "dialogs/AboutWindow.h"

using fw::Ref;

namespace {

struct Accessor {
  const char* name;
  const std::type_info& type;
  std::function<Ref<fw::MenuItem>(const MainWindow&)> get;
};

const Accessor kAccessors[] = {
    {"EditMenu", typeid(fw::MenuItem), &MainWindow::EditMenu},
    {"EditSelectAll", typeid(fw::MenuItem), &MainWindow::EditSelectAll},
    {"UntitledMenu0", typeid(fw::MenuItem), &MainWindow::UntitledMenu0},
    {"EditClear", typeid(fw::MenuItem), &MainWindow::EditClear},
    {"EditPaste", typeid(fw::MenuItem), &MainWindow::EditPaste},
    {"EditCopy", typeid(fw::MenuItem), &MainWindow::EditCopy},
    {"EditCut", typeid(fw::MenuItem), &MainWindow::EditCut},
    {"UntitledMenu1", typeid(fw::MenuItem), &MainWindow::UntitledMenu1},
    {"EditUndo", typeid(fw::MenuItem), &MainWindow::EditUndo},
    {"FileMenu", typeid(fw::MenuItem), &MainWindow::FileMenu},
    {"FileAbout", typeid(fw::AppleMenuItem),
     [](const MainWindow& w) -> Ref<fw::MenuItem> { return w.FileAbout(); }},
    {"FileQuit", typeid(fw::QuitMenuItem),
     [](const MainWindow& w) -> Ref<fw::MenuItem> { return w.FileQuit(); }},
};

Ref<AboutWindow> OpenAbout() {
  return fw::Cast<AboutWindow>(fw::GetImplicitWindow(AboutWindow::kFullClassName));
}

class Menus : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    RegisterAppObject();  // the About window reads the version from the application
  }
  QAction* Action(const char* name) const {
    QMenuBar* bar = fw::testing::NativeMenuBar(*window_);
    return bar ? bar->findChild<QAction*>(name) : nullptr;
  }
  // As the user does: the menu opens (which refreshes it), then the item.
  void Choose(const char* name) const {
    fw::testing::RefreshMenusOf(*window_);
    QAction* action = Action(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_TRUE(action->isEnabled()) << name << " is not available";
    action->trigger();
  }
};

}  // namespace

TEST_F(Menus, EachAccessorReturnsItsItemFromTheWholeTree) {
  Ref<fw::MenuBar> bar = window_->MenuBar();
  ASSERT_FALSE(bar.IsNil());
  EXPECT_EQ(bar, Ref<fw::MenuBar>(MenuBar1::Instance())) << "the one shared bar";
  for (const Accessor& a : kAccessors) {
    SCOPED_TRACE(a.name);
    Ref<fw::MenuItem> item = a.get(*window_);
    ASSERT_FALSE(item.IsNil());
    EXPECT_EQ(item->Name(), a.name);
    EXPECT_TRUE(typeid(*item) == a.type) << typeid(*item).name();
    EXPECT_EQ(item, bar->Lookup(a.name));
    EXPECT_EQ(a.get(*window_), item) << "a second call finds the same item";
  }
  EXPECT_TRUE(bar->Child("EditUndo").IsNil()) << "the items sit one level down";
}

TEST_F(Menus, WithoutAMenuBarEveryAccessorRaises) {
  window_->MenuBar(nullptr);
  for (const Accessor& a : kAccessors) {
    SCOPED_TRACE(a.name);
    EXPECT_THROW(a.get(*window_), fw::NilObjectException);
  }
}

TEST_F(Menus, TheMenuRefreshEnablesFileAbout) {
  Ref<fw::MenuItem> about = window_->FileAbout();
  about->Enabled(false);
  fw::testing::RefreshMenusOf(*window_);
  EXPECT_TRUE(about->Enabled());
  ASSERT_NE(Action("FileAbout"), nullptr);
  EXPECT_TRUE(Action("FileAbout")->isEnabled());
}

TEST_F(Menus, TheWindowEnablesFileAboutAndNothingElse) {
  std::vector<Ref<fw::MenuItem>> items;
  for (const Accessor& a : kAccessors) {
    auto item = std::make_shared<fw::MenuItem>();
    item->Name(a.name);
    item->Enabled(false);
    items.push_back(item);
  }
  fw::testing::EnableMenuItemsOf(*window_, items);
  for (const auto& item : items) {
    SCOPED_TRACE(item->Name());
    EXPECT_EQ(item->Enabled(), item->Name() == "FileAbout");
  }

  auto enabled = std::make_shared<fw::MenuItem>();
  enabled->Name("EditCopy");
  fw::testing::EnableMenuItemsOf(*window_, {enabled});
  EXPECT_TRUE(enabled->Enabled()) << "the refresh never disables";
}

TEST_F(Menus, FileAboutShowsTheAboutWindowModallyEachTime) {
  EXPECT_TRUE(window_->FileAbout_Action());
  Ref<AboutWindow> first = OpenAbout();
  ASSERT_FALSE(first.IsNil());
  QWidget* native = fw::testing::NativeWindow(*first);
  EXPECT_TRUE(native->isVisible());
  EXPECT_EQ(native->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(first->stProgramName()->Text(), "Zazudedid Idarero");

  first->Close();
  EXPECT_TRUE(OpenAbout().IsNil());
  EXPECT_TRUE(window_->FileAbout_Action());
  Ref<AboutWindow> second = OpenAbout();
  ASSERT_FALSE(second.IsNil());
  EXPECT_NE(second, first) << "a closed About window is replaced";
  EXPECT_TRUE(fw::testing::NativeWindow(*second)->isVisible());
  EXPECT_EQ(window_->edPercent()->Text(), "") << "the main window is left alone";
}

TEST_F(Menus, ChoosingFileAboutReachesTheHandler) {
  Choose("FileAbout");
  Ref<AboutWindow> about = OpenAbout();
  ASSERT_FALSE(about.IsNil());
  EXPECT_TRUE(fw::testing::NativeWindow(*about)->isVisible());
}

TEST_F(Menus, EditItemsActOnTheFocusedField) {
  QLineEdit* percent = Field(window_->edPercent());
  QLineEdit* value = Field(window_->edValue());
  TypeInto(percent, "12.5");

  Choose("EditSelectAll");
  EXPECT_EQ(percent->selectedText(), QStringLiteral("12.5"));
  Choose("EditCopy");
  EXPECT_EQ(ClipboardText(), "12.5");

  value->setFocus();
  Choose("EditPaste");
  // The paste goes on once the clipboard answers, from the event loop.
  EXPECT_TRUE(QTest::qWaitFor([&] { return window_->edValue()->Text() == "12.5"; }, 1000));
  Choose("EditSelectAll");
  Choose("EditCut");
  EXPECT_EQ(window_->edValue()->Text(), "");
  EXPECT_EQ(ClipboardText(), "12.5");
  Choose("EditUndo");
  EXPECT_EQ(window_->edValue()->Text(), "12.5");
  Choose("EditSelectAll");
  Choose("EditClear");
  EXPECT_EQ(window_->edValue()->Text(), "");
  EXPECT_EQ(ClipboardText(), "12.5") << "Delete does not copy";

  EXPECT_EQ(window_->edPercent()->Text(), "12.5") << "only the focused field changed";
  EXPECT_EQ(Shown(), NoResults());
}
