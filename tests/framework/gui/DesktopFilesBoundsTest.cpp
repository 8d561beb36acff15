// Whatever the applications folders hold, a search reads little, never
// waits and never loops.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ApplicationsFixture.h"
#include "support/Unblocking.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// Bytes this process has read so far, by any means.
long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") {
      return value;
    }
  }
  return -1;
}

std::string Found(const Ref<FolderItem>& item) {
  return item->Exists() ? item->Path().string() : "(none)";
}

using DesktopFilesBoundsTest = ApplicationsTest;

TEST_F(DesktopFilesBoundsTest, AHugeFileIsNotRead) {
  // A valid entry at its start, then 1 GiB of holes.
  const fs::path huge = Apps("home") / "huge.desktop";
  Write("home", "huge.desktop", Entry("Calculator"));
  fs::resize_file(huge, std::uintmax_t{1} << 30);
  Write("second", "calc.desktop", Entry("Calculator"));

  const long long before = BytesRead();
  ASSERT_GE(before, 0) << "no /proc/self/io";
  Ref<FolderItem> item = Find("Calculator.app");
  EXPECT_LT(BytesRead() - before, 1 << 20);
  EXPECT_EQ((Apps("second") / "calc.desktop").string(), Found(item));
}

TEST_F(DesktopFilesBoundsTest, OnlyTheDesktopEntryGroupIsRead) {
  // Actions and their translations may follow; they do not matter.
  Write("home", "calc.desktop",
        Entry("Calculator") + "[Desktop Action x]\n" + std::string(512 << 10, '#') + "\n");
  const long long before = BytesRead();
  EXPECT_EQ((Apps("home") / "calc.desktop").string(), Found(Find("Calculator.app")));
  EXPECT_LT(BytesRead() - before, 128 << 10);
}

TEST_F(DesktopFilesBoundsTest, AFifoIsNeverOpened) {
  fs::create_directories(Apps("home"));
  const fs::path fifo = Apps("home") / "calc.desktop";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  // A symlink to it looks like a file by its name and its listing.
  fs::create_symlink(fifo, Apps("home") / "link.desktop");
  Write("second", "other.desktop", Entry("Calculator"));

  std::string found = WithoutWaitingOn(fifo, [] { return Found(Find("Calculator.app")); });
  EXPECT_EQ((Apps("second") / "other.desktop").string(), found);
}

TEST_F(DesktopFilesBoundsTest, FolderLinksAreFollowedOnceAndNotTooDeep) {
  const fs::path home = Apps("home");
  Write("home", "a.desktop", Entry("A"));
  Write("home", "sub/b.desktop", Entry("B"));
  fs::create_directory_symlink(home, home / "loop");
  fs::create_directory_symlink("..", home / "sub" / "back");
  // The same folder twice, by its own name and by a link to it.
  fs::create_directory_symlink(home / "sub", home / "twin");
  WriteFile(root_ / "elsewhere" / "c.desktop", Entry("C"));
  fs::create_directory_symlink(root_ / "elsewhere", home / "linked");
  Write("home", "1/2/3/4/5/6/7/8/deep.desktop", Entry("Deep"));
  Write("home", "1/2/3/4/5/6/7/8/9/deeper.desktop", Entry("Deeper"));

  std::vector<fs::path> files = platform::DesktopFilesUnder(home);
  EXPECT_EQ(files, (std::vector<fs::path>{"1/2/3/4/5/6/7/8/deep.desktop", "a.desktop",
                                          "linked/c.desktop", "sub/b.desktop"}));

  // A loop between two folders of the search path.
  Write("first", "calc.desktop", Entry("Calculator"));
  fs::create_directory_symlink(Apps("first"), home / "first");
  fs::create_directory_symlink(home, Apps("first") / "home");
  EXPECT_EQ((home / "first" / "calc.desktop").string(), Found(Find("Calculator.app")));
}

TEST_F(DesktopFilesBoundsTest, ALargeTreeEndsOnlyItsOwnFoldersWalk) {
  // Say the user's applications folder links to /usr: its walk stops early,
  // and the system's folders are still searched.
  for (int i = 0; i < 600; ++i) {
    fs::create_directories(Apps("home") / std::to_string(i / 100) / std::to_string(i));
  }
  Write("home", "5/599/late.desktop", Entry("Calculator"));
  Write("second", "calc.desktop", Entry("Calculator"));
  EXPECT_EQ((Apps("second") / "calc.desktop").string(), Found(Find("Calculator.app")));
}

// Searches as a user who cannot read what the test locks: as root, in a
// child that gives up root first, since root reads whatever the mode says.
std::string FoundByAnUnprivilegedUser() {
  if (geteuid() != 0) {
    return Found(ApplicationsFolder(platform::ApplicationsSearchPath()).Child("Calculator.app"));
  }
  int report[2];
  if (pipe(report) != 0) {
    return "(no pipe)";
  }
  pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    const uid_t nobody = 65534;
    std::string found = "(could not give up root)";
    if (setgroups(0, nullptr) == 0 && setresgid(nobody, nobody, nobody) == 0 &&
        setresuid(nobody, nobody, nobody) == 0) {
      found = Found(ApplicationsFolder(platform::ApplicationsSearchPath()).Child("Calculator.app"));
    }
    (void)!write(report[1], found.data(), found.size());
    _exit(0);
  }
  close(report[1]);
  std::string found;
  char buffer[4096];
  ssize_t got;
  while ((got = read(report[0], buffer, sizeof buffer)) > 0) {
    found.append(buffer, static_cast<size_t>(got));
  }
  close(report[0]);
  waitpid(child, nullptr, 0);
  return found;
}

TEST_F(DesktopFilesBoundsTest, UnreadableFilesAndFoldersAreSkipped) {
  Write("home", "calc.desktop", Entry("Calculator"));
  Write("first", "locked/calc.desktop", Entry("Calculator"));
  Write("second", "calc.desktop", Entry("Calculator"));
  // Everything else readable by anyone, whatever the umask.
  for (const auto& entry : fs::recursive_directory_iterator(root_)) {
    fs::permissions(entry.path(), entry.is_directory() ? fs::perms(0755) : fs::perms(0644));
  }
  fs::permissions(root_, fs::perms(0755));
  fs::permissions(Apps("home") / "calc.desktop", fs::perms::none);
  fs::permissions(Apps("first") / "locked", fs::perms::none);
  fs::create_symlink(root_ / "nowhere", Apps("first") / "dangling.desktop");

  // An unreadable file claims no id, so the same id later is still found.
  EXPECT_EQ((Apps("second") / "calc.desktop").string(), FoundByAnUnprivilegedUser());
  fs::permissions(Apps("first") / "locked", fs::perms::owner_all);
}

}  // namespace
}  // namespace fw
