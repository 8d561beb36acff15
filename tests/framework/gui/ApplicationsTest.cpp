#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gui/Applications.h"
#include "platform/DesktopFiles.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// Puts an environment variable back as it was when the test began.
class SavedEnv {
 public:
  explicit SavedEnv(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) {
      value_ = value;
    }
  }
  ~SavedEnv() {
    if (value_) {
      setenv(name_, value_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  SavedEnv(const SavedEnv&) = delete;
  SavedEnv& operator=(const SavedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> value_;
};

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Entry(const std::string& name, const std::string& exec = "true",
                  const std::string& extra = "") {
  return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n" + extra;
}

// Data folders "home" (the user's), then "first" and "second" (the system's).
class ApplicationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The space checks that paths reach the program as single arguments.
    std::string pattern = (fs::temp_directory_path() / "applications test XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
    root_ = pattern;
    setenv("HOME", (root_ / "user").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "home").c_str(), 1);
    setenv("XDG_DATA_DIRS",
           ((root_ / "first").string() + ":" + (root_ / "second").string()).c_str(), 1);
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(root_, error);
  }

  fs::path Apps(const std::string& dataDir) const { return root_ / dataDir / "applications"; }
  void Write(const std::string& dataDir, const std::string& relative, const std::string& text) {
    WriteFile(Apps(dataDir) / relative, text);
  }
  void ClearDataFolders() {
    for (const char* dir : {"home", "first", "second"}) {
      fs::remove_all(root_ / dir);
    }
  }
  static Ref<FolderItem> Find(const std::string& name) {
    return ApplicationsFolder(platform::ApplicationsSearchPath()).Child(name);
  }

  fs::path root_;

 private:
  SavedEnv home_{"HOME"};
  SavedEnv dataHome_{"XDG_DATA_HOME"};
  SavedEnv dataDirs_{"XDG_DATA_DIRS"};
};

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

TEST_F(ApplicationsTest, BareDotAppMatchesNoNamelessEntry) {
  Write("home", "nameless.desktop", "[Desktop Entry]\nType=Application\nName=\nExec=true\n");
  Ref<FolderItem> item = Find(".app");
  ASSERT_FALSE(item.IsNil());
  EXPECT_FALSE(item->Exists());
}

TEST_F(ApplicationsTest, UnreadableFilesAndFoldersAreSkipped) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "root reads files whatever their mode";
  }
  Write("home", "calc.desktop", Entry("Calculator"));
  Write("first", "locked/calc.desktop", Entry("Calculator"));
  Write("second", "calc.desktop", Entry("Calculator"));
  fs::permissions(Apps("home") / "calc.desktop", fs::perms::none);
  fs::permissions(Apps("first") / "locked", fs::perms::none);
  fs::create_symlink(root_ / "nowhere", Apps("first") / "dangling.desktop");

  Ref<FolderItem> item = Find("Calculator.app");
  EXPECT_TRUE(item->Exists());
  // An unreadable file claims no id, so the same id later is still found.
  EXPECT_EQ(Apps("second") / "calc.desktop", item->Path());
  fs::permissions(Apps("first") / "locked", fs::perms::owner_all);
}

TEST_F(ApplicationsTest, LaunchStartsTheEntrysCommand) {
  const fs::path script = root_ / "bin" / "make marker";
  const fs::path marker = root_ / "marker file";
  WriteFile(script, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"\n");
  fs::permissions(script, fs::perms::owner_all);
  Write("second", "calc.desktop",
        Entry("Calculator", "\"" + script.string() + "\" \"" + marker.string() + "\" %U 100%%"));

  Ref<FolderItem> item = Find("Calculator.app");
  ASSERT_TRUE(item->Exists());
  item->Launch(true);
  EXPECT_EQ(0, item->LastErrorCode());

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!fs::exists(marker) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(fs::exists(marker)) << "the command did not run";
  EXPECT_EQ(marker.string() + "|100%|", ReadFile(marker));
}

TEST_F(ApplicationsTest, LaunchReportsAMissingProgramAndRunsNoShell) {
  const fs::path marker = root_ / "marker";
  // Through a shell this would still touch the marker.
  Write("second", "calc.desktop",
        Entry("Calculator",
              "\"" + (root_ / "missing").string() + "\" ;touch \"" + marker.string() + "\""));
  Ref<FolderItem> item = Find("Calculator.app");
  ASSERT_TRUE(item->Exists());
  item->Launch(true);
  EXPECT_EQ(ENOENT, item->LastErrorCode());
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(fs::exists(marker));
}

TEST_F(ApplicationsTest, AnEntryWithoutExecIsFoundButCannotLaunch) {
  for (const std::string exec : {"", "%U", "  "}) {
    SCOPED_TRACE("Exec=" + exec);
    ClearDataFolders();
    Write("first", "calc.desktop", Entry("Calculator", exec));
    Ref<FolderItem> item = Find("Calculator.app");
    ASSERT_TRUE(item->Exists());
    item->Launch(true);
    EXPECT_EQ(ENOENT, item->LastErrorCode());
  }
}

}  // namespace
}  // namespace fw
