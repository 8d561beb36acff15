// Launching an entry's command, and what a failed launch reports.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ApplicationsFixture.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

using ApplicationsLaunchTest = ApplicationsTest;

TEST_F(ApplicationsLaunchTest, LaunchStartsTheEntrysCommand) {
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

TEST_F(ApplicationsLaunchTest, LaunchReportsAMissingProgramAndRunsNoShell) {
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

TEST_F(ApplicationsLaunchTest, AnEntryWithoutExecIsFoundButCannotLaunch) {
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

TEST_F(ApplicationsLaunchTest, AnExecThatFailsAfterTheForkReportsItsError) {
  struct Case {
    const char* what;
    std::string content;
    int32_t error;
  };
  const Case cases[] = {
      // Not run by a shell: without "#!" the kernel knows no format.
      {"a script without #!", "echo started > \"$1\"\n", ENOEXEC},
      {"an interpreter that is missing", "#!/nonexistent/sh\necho started > \"$1\"\n", ENOENT},
  };
  const fs::path marker = root_ / "marker";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClearDataFolders();
    const fs::path script = root_ / "bin" / "calculator";
    WriteFile(script, c.content);
    fs::permissions(script, fs::perms::owner_all);
    Write("second", "calc.desktop",
          Entry("Calculator", "\"" + script.string() + "\" \"" + marker.string() + "\""));

    Ref<FolderItem> entry = Find("Calculator.app");
    ASSERT_TRUE(entry->Exists());
    FolderItem plain(script);
    for (FolderItem* item : {&entry.Get(), &plain}) {
      item->Launch(true);
      EXPECT_EQ(c.error, item->LastErrorCode());
    }
  }
  EXPECT_FALSE(fs::exists(marker));
}

}  // namespace
}  // namespace fw
