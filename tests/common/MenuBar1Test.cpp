#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <typeinfo>
#include <utility>

#include "common/MenuBar1.h"
#include "testing/NewObjectFailure.h"

namespace {

struct Row {
  const char* parent;
  const char* name;
  const char* className;
  const char* text;
  const char* shortcut;  // nullptr: never assigned
};

const Row kTree[] = {
    {"", "FileMenu", "MenuItem", "&File", ""},
    {"FileMenu", "FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
    {"FileMenu", "FileAbout", "AppleMenuItem", "About", ""},
    {"", "EditMenu", "MenuItem", "&Edit", ""},
    {"EditMenu", "EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", "MenuItem", "-", nullptr},
    {"EditMenu", "EditCut", "MenuItem", "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", "MenuItem", "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", "MenuItem", "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", "MenuItem", "&Delete", ""},
    {"EditMenu", "UntitledMenu0", "MenuItem", "-", nullptr},
    {"EditMenu", "EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
};

const char* ClassOf(const fw::MenuItem& item) {
  if (dynamic_cast<const fw::QuitMenuItem*>(&item)) {
    return "QuitMenuItem";
  }
  if (dynamic_cast<const fw::AppleMenuItem*>(&item)) {
    return "AppleMenuItem";
  }
  return typeid(item) == typeid(fw::MenuItem) ? "MenuItem" : typeid(item).name();
}

}  // namespace

TEST(MenuBar1, BuildsOnceAndIsReleasedAtExit) {
  MenuBar1::implicitInstance.Exit();
  auto first = MenuBar1::Instance();
  auto second = MenuBar1::Instance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->Count(), 2) << "the builders ran twice";
  MenuBar1::implicitInstance.Exit();
  EXPECT_TRUE(MenuBar1::implicitInstance.instance.IsNil());
  EXPECT_NE(MenuBar1::Instance(), first) << "a new run builds a new bar";
}

TEST(MenuBar1, AFailedBuildLeavesNoBarAndTheNextCallStartsAgain) {
  MenuBar1::implicitInstance.Exit();
  // Running out of memory is the one way a build of the bar can fail; each
  // pass fails the making of one more object.
  long failures = 0;
  for (long n = 0;; ++n) {
    bool failed = false;
    fw::testing::FailNewObject(n);
    try {
      MenuBar1::Instance();
    } catch (const std::bad_alloc&) {
      failed = true;
    }
    fw::testing::FailNewObject(-1);
    if (!failed) {
      break;
    }
    ++failures;
    ASSERT_TRUE(MenuBar1::implicitInstance.instance.IsNil()) << "out of memory at object " << n;
  }
  EXPECT_EQ(failures, 13) << "the bar and its twelve items are made";
  auto bar = MenuBar1::Instance();
  EXPECT_EQ(bar->Count(), 2);
  EXPECT_EQ(fw::AllMenuItems(*bar).size(), std::size(kTree)) << "the bar that stays is whole";
}

TEST(MenuBar1, TreeIsTheMenuTable) {
  auto bar = MenuBar1::Instance();
  auto all = fw::AllMenuItems(*bar);
  ASSERT_EQ(all.size(), std::size(kTree));
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Row& row = kTree[i];
    const auto& item = *all[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(item.Name(), row.name);
    EXPECT_STREQ(ClassOf(item), row.className);
    EXPECT_EQ(item.Text(), row.text);
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_EQ(item.KeyboardShortcutAssigned(), row.shortcut != nullptr);
    if (row.shortcut) {
      EXPECT_EQ(item.KeyboardShortcut(), row.shortcut);
    }
    fw::Ref<fw::MenuItem> parent =
        std::string(row.parent).empty() ? fw::Ref<fw::MenuItem>(bar) : bar->Child(row.parent);
    EXPECT_EQ(parent->Child(row.name), all[i]) << "hangs under " << row.parent;
  }
  EXPECT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Child("FileMenu")->Count(), 2);
  EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
  EXPECT_TRUE(bar->Child("EditUndo").IsNil()) << "Child sees direct items only";
}

TEST(MenuBar1, ShortcutsBecomeCtrlOnThisPlatform) {
  EXPECT_EQ(fw::PortableShortcut("Cmd+Q"), "Ctrl+Q");
  EXPECT_EQ(fw::PortableShortcut(""), "");
}

// Each Edit item does its own edit on the focused field; File's do none.
TEST(MenuBar1, TheEditItemsNameTheirFieldEdits) {
  fw::Ref<MenuBar1> bar = MenuBar1::Instance();
  const std::pair<const char*, std::optional<fw::FieldEdit>> expected[] = {
      {"EditUndo", fw::FieldEdit::Undo},    {"EditCut", fw::FieldEdit::Cut},
      {"EditCopy", fw::FieldEdit::Copy},    {"EditPaste", fw::FieldEdit::Paste},
      {"EditClear", fw::FieldEdit::Delete}, {"EditSelectAll", fw::FieldEdit::SelectAll},
      {"FileQuit", std::nullopt},           {"FileAbout", std::nullopt},
      {"EditMenu", std::nullopt},
  };
  for (const auto& [name, edit] : expected) {
    SCOPED_TRACE(name);
    EXPECT_EQ(bar->FieldEditOf(name), edit);
  }
}
