// The search by what a query asks for: a name, a category placed by the
// current desktop, ids to skip and entries that start this executable.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/DesktopEntrySearch.h"
#include "platform/DesktopFiles.h"
#include "support/DesktopEntriesFixture.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

struct File {
  std::string dataDir;
  std::string relative;
  std::string text;
};

struct SearchCase {
  const char* what;
  DesktopEntryQuery query;
  std::vector<File> files;
  // Data folder and relative path of the entry expected; empty: none.
  std::string foundDir;
  std::string foundRelative;
};

class DesktopEntrySearchTest : public DesktopEntriesTest {
 protected:
  void Check(const std::vector<SearchCase>& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      ClearDataFolders();
      for (const auto& file : c.files) {
        Write(file.dataDir, file.relative, file.text);
      }
      auto found = platform::FindDesktopEntry(platform::ApplicationsSearchPath(), c.query);
      const fs::path expected =
          c.foundDir.empty() ? fs::path() : Apps(c.foundDir) / c.foundRelative;
      EXPECT_EQ(expected, found ? found->path : fs::path());
    }
  }
};

DesktopEntryQuery Query(const std::string& name, const std::string& category,
                        std::vector<String> skippedIds = {}, bool skipOwnExecutable = false) {
  DesktopEntryQuery query;
  query.name = name;
  query.category = category;
  query.skippedIds = std::move(skippedIds);
  query.skipOwnExecutable = skipOwnExecutable;
  return query;
}

TEST_F(DesktopEntrySearchTest, NameThenCategoryAsAsked) {
  setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
  const std::string editor = "Categories=Utility;TextEditor;\n";
  const std::vector<File> files = {
      {"home", "a.desktop", Entry("Any Editor", "true", editor)},
      {"first", "b.desktop", Entry("Xfce Editor", "true", editor + "OnlyShowIn=XFCE;\n")},
      {"second", "c.desktop", Entry("Notes", "true", "Categories=Utility;\n")},
  };
  Check({
      {"by name only", Query("Notes", ""), files, "second", "c.desktop"},
      {"a name asked is not a category", Query("TextEditor", ""), files, "", ""},
      {"by category, meant for the desktop first", Query("", "TextEditor"), files, "first",
       "b.desktop"},
      {"the name before the category", Query("Notes", "TextEditor"), files, "second", "c.desktop"},
      {"nothing asked", Query("", ""), files, "", ""},
  });
}

TEST_F(DesktopEntrySearchTest, SkippedIdsAreNeverChosenAndStillMask) {
  const std::string editor = "Categories=TextEditor;\n";
  Check({
      {"a skipped id, by name or by category",
       Query("Editor", "TextEditor", {"mine.desktop", "org-mine.desktop"}),
       {{"home", "mine.desktop", Entry("Editor")},
        {"first", "org/mine.desktop", Entry("Other", "true", editor)}},
       "",
       ""},
      {"the same id in a later folder is masked by the skipped one",
       Query("Editor", "", {"mine.desktop"}),
       {{"home", "mine.desktop", Entry("Editor")}, {"second", "mine.desktop", Entry("Editor")}},
       "",
       ""},
      {"another id is still found",
       Query("Editor", "", {"mine.desktop"}),
       {{"home", "mine.desktop", Entry("Editor")}, {"second", "other.desktop", Entry("Editor")}},
       "second",
       "other.desktop"},
  });
}

TEST_F(DesktopEntrySearchTest, EntriesThatStartThisExecutableCanBeSkipped) {
  const fs::path self = fs::read_symlink("/proc/self/exe");
  const fs::path bin = root_ / "bin";
  fs::create_directories(bin);
  // An installed command is a link (relative, as the install makes it) to
  // the executable; a copy is another program.
  fs::create_symlink(fs::relative(self, bin), bin / "linked");
  fs::copy_file(self, bin / "copy");
  setenv("PATH", bin.c_str(), 1);
  const std::string quoted = "\"" + (bin / "linked").string() + "\" %U";
  const std::vector<std::pair<std::string, bool>> execs = {
      {self.string(), true},
      {quoted, true},
      {"linked", true},
      {"\"" + (bin / ".." / "bin" / "linked").string() + "\"", true},
      {"copy", false},
      {"true " + self.string(), false},
      {"missing-program", false},
  };
  for (const auto& [exec, isSelf] : execs) {
    SCOPED_TRACE("Exec=" + exec);
    const std::vector<File> files = {{"first", "a.desktop", Entry("Editor", exec)}};
    Check({
        {"skipped", Query("Editor", "", {}, true), files, isSelf ? "" : "first", "a.desktop"},
        {"not skipped unless asked", Query("Editor", ""), files, "first", "a.desktop"},
    });
  }
}

}  // namespace
}  // namespace fw
