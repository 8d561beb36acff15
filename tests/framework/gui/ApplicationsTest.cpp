#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "ApplicationsFixture.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

TEST_F(ApplicationsTest, SearchPathFollowsTheBaseDirectoryRules) {
  const std::string r = root_.string();
  struct Case {
    const char* dataHome;  // nullptr: unset
    const char* dataDirs;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"/data", "/a:/b", {"/data/applications", "/a/applications", "/b/applications"}},
      {nullptr,
       nullptr,
       {r + "/user/.local/share/applications", "/usr/local/share/applications",
        "/usr/share/applications"}},
      {"",
       "",
       {r + "/user/.local/share/applications", "/usr/local/share/applications",
        "/usr/share/applications"}},
      {"relative/data", "/a", {r + "/user/.local/share/applications", "/a/applications"}},
      {"/data", "relative:/a::/b/", {"/data/applications", "/a/applications", "/b/applications"}},
      {"/data", "relative", {"/data/applications"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("XDG_DATA_HOME=") + (c.dataHome ? c.dataHome : "(unset)") +
                 " XDG_DATA_DIRS=" + (c.dataDirs ? c.dataDirs : "(unset)"));
    c.dataHome ? setenv("XDG_DATA_HOME", c.dataHome, 1) : unsetenv("XDG_DATA_HOME");
    c.dataDirs ? setenv("XDG_DATA_DIRS", c.dataDirs, 1) : unsetenv("XDG_DATA_DIRS");
    std::vector<std::string> actual;
    for (const auto& path : platform::ApplicationsSearchPath()) {
      actual.push_back(path.lexically_normal().string());
    }
    EXPECT_EQ(c.expected, actual);
  }
}

TEST_F(ApplicationsTest, AbsolutePathIsTheUsersFolder) {
  ApplicationsFolder folder(platform::ApplicationsSearchPath());
  EXPECT_EQ(Apps("home").string(), folder.AbsolutePath());
  EXPECT_TRUE(folder.Exists());
}

struct SearchCase {
  const char* what;
  struct File {
    std::string dataDir;
    std::string relative;
    std::string text;
  };
  std::vector<File> files;
  // Data folder and relative path of the entry expected; empty: not found.
  std::string foundDir;
  std::string foundRelative;
};

TEST_F(ApplicationsTest, ChildFindsTheEntryNamedBeforeDotApp) {
  const std::string hidden = "Hidden=true\n";
  const std::vector<SearchCase> cases = {
      {"in the user's folder",
       {{"home", "calc.desktop", Entry("Calculator")}},
       "home",
       "calc.desktop"},
      {"in a later folder",
       {{"first", "other.desktop", Entry("Other")},
        {"second", "calc.desktop", Entry("Calculator")}},
       "second",
       "calc.desktop"},
      {"the user's entry before the system's",
       {{"home", "mine.desktop", Entry("Calculator")},
        {"first", "calc.desktop", Entry("Calculator")}},
       "home",
       "mine.desktop"},
      {"in sorted order within a folder",
       {{"first", "b.desktop", Entry("Calculator")}, {"first", "a.desktop", Entry("Calculator")}},
       "first",
       "a.desktop"},
      {"in a nested subfolder",
       {{"second", "org/tools/calc.desktop", Entry("Calculator")}},
       "second",
       "org/tools/calc.desktop"},
      {"a user's id masks the same id",
       {{"home", "calc.desktop", Entry("Renamed")},
        {"second", "calc.desktop", Entry("Calculator")}},
       "",
       ""},
      {"a hidden user's id masks the same id",
       {{"home", "calc.desktop", Entry("Calculator", "true", hidden)},
        {"second", "calc.desktop", Entry("Calculator")}},
       "",
       ""},
      {"a nested id masks the same flat id",
       {{"home", "org-calc.desktop", Entry("Renamed")},
        {"first", "org/calc.desktop", Entry("Calculator")}},
       "",
       ""},
      {"a hidden entry masks no other id",
       {{"home", "calc.desktop", Entry("Calculator", "true", hidden)},
        {"second", "calculator.desktop", Entry("Calculator")}},
       "second",
       "calculator.desktop"},
      {"hidden", {{"first", "calc.desktop", Entry("Calculator", "true", hidden)}}, "", ""},
      {"Hidden=false",
       {{"first", "calc.desktop", Entry("Calculator", "true", "Hidden=false\n")}},
       "first",
       "calc.desktop"},
      {"only a localised name matches",
       {{"first", "calc.desktop", Entry("Rechner", "true", "Name[en]=Calculator\n")}},
       "",
       ""},
      {"a localised name does not replace Name",
       {{"first", "calc.desktop", Entry("Calculator", "true", "Name[de]=Rechner\n")}},
       "first",
       "calc.desktop"},
      {"the name is compared exactly",
       {{"first", "a.desktop", Entry("calculator")},
        {"first", "b.desktop", Entry("Calculator Plus")}},
       "",
       ""},
      {"a Link entry",
       {{"first", "calc.desktop", "[Desktop Entry]\nType=Link\nName=Calculator\nURL=x\n"}},
       "",
       ""},
      {"no Type",
       {{"first", "calc.desktop", "[Desktop Entry]\nName=Calculator\nExec=true\n"}},
       "first",
       "calc.desktop"},
      {"Name in another group",
       {{"first", "calc.desktop", Entry("Other") + "[Desktop Action new]\nName=Calculator\n"}},
       "",
       ""},
      {"not a .desktop file", {{"first", "calc.desktop.bak", Entry("Calculator")}}, "", ""},
      {"a file with no [Desktop Entry] masks nothing",
       {{"home", "calc.desktop", "Name=Calculator\n"},
        {"first", "calc.desktop", Entry("Calculator")}},
       "first",
       "calc.desktop"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClearDataFolders();
    for (const auto& file : c.files) {
      Write(file.dataDir, file.relative, file.text);
    }
    Ref<FolderItem> item = Find("Calculator.app");
    ASSERT_FALSE(item.IsNil());
    EXPECT_FALSE(Cast<DesktopEntryItem>(item).IsNil());
    if (c.foundDir.empty()) {
      EXPECT_FALSE(item->Exists());
      EXPECT_EQ(Apps("home") / "Calculator.app", item->Path());
    } else {
      EXPECT_TRUE(item->Exists());
      EXPECT_EQ(Apps(c.foundDir) / c.foundRelative, item->Path());
    }
  }
}

TEST_F(ApplicationsTest, AMissingEntryIsNamedInTheUsersFolderAndDoesNotLaunch) {
  // None of the data folders exists.
  Ref<FolderItem> item = Find("Calculator.app");
  ASSERT_FALSE(item.IsNil());
  EXPECT_FALSE(item->Exists());
  EXPECT_EQ((Apps("home") / "Calculator.app").string(), item->AbsolutePath());
  item->Launch(true);
  EXPECT_EQ(ENOENT, item->LastErrorCode());
}

TEST_F(ApplicationsTest, SearchesWhenTheChildIsAskedFor) {
  ApplicationsFolder folder(platform::ApplicationsSearchPath());
  Write("second", "calc.desktop", Entry("Calculator"));
  EXPECT_TRUE(folder.Child("Calculator.app")->Exists());
}

TEST_F(ApplicationsTest, OtherNamesArePlainItemsOfTheUsersFolder) {
  Write("home", "calc.desktop", Entry("Calculator"));
  ApplicationsFolder folder(platform::ApplicationsSearchPath());
  for (const std::string name : {"calc.desktop", "Calculator", "Calculator.APP"}) {
    SCOPED_TRACE(name);
    Ref<FolderItem> item = folder.Child(name);
    ASSERT_FALSE(item.IsNil());
    EXPECT_TRUE(Cast<DesktopEntryItem>(item).IsNil());
    EXPECT_EQ(Apps("home") / name, item->Path());
  }
  EXPECT_TRUE(folder.Child("calc.desktop")->Exists());
  EXPECT_FALSE(folder.Child("Calculator")->Exists());
}

TEST_F(ApplicationsTest, RefusedNamesAreNil) {
  Write("home", "calc.desktop", Entry("Calculator"));
  ApplicationsFolder folder(platform::ApplicationsSearchPath());
  for (const std::string name : {"", ".", "..", "/Calculator.app", "tools/Calculator.app"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(folder.Child(name).IsNil());
  }
}

TEST_F(ApplicationsTest, AMappedChildIsWhatItsQueryFinds) {
  DesktopEntryQuery editor;
  editor.name = "Editor";
  editor.category = "TextEditor";
  editor.skippedIds = {"mine.desktop"};
  static const MappedApplication mapped("Editor.app", editor);
  Write("home", "mine.desktop", Entry("Editor"));
  Write("first", "notes.desktop", Entry("Notes", "true", "Categories=TextEditor;\n"));
  Write("first", "TextEditor.desktop", Entry("TextEditor"));
  EXPECT_EQ(Apps("first") / "notes.desktop", Find("Editor.app")->Path());
  // Mapped by its whole name only; others are still found by their Name.
  EXPECT_FALSE(Find("editor.app")->Exists());
  EXPECT_EQ(Apps("first") / "TextEditor.desktop", Find("TextEditor.app")->Path());
}

TEST_F(ApplicationsTest, BareDotAppMatchesNoNamelessEntry) {
  Write("home", "nameless.desktop", "[Desktop Entry]\nType=Application\nName=\nExec=true\n");
  Ref<FolderItem> item = Find(".app");
  ASSERT_FALSE(item.IsNil());
  EXPECT_FALSE(item->Exists());
}

}  // namespace
}  // namespace fw
