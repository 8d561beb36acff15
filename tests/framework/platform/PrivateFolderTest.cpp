#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <functional>

#include "platform/OneCopy.h"
#include "platform/PrivateFolder.h"
#include "support/ScopedEnv.h"

using fw::platform::MakePrivateFolder;
using fw::platform::UserPrivateFolder;

namespace {

// Another user's id, for folders that root hands away.
constexpr uid_t kStranger = 4242;

class PrivateFolder : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
  static bool CanGiveAway() { return geteuid() == 0; }

  QTemporaryDir dir;
};

TEST_F(PrivateFolder, OnlyAFolderOfTheUsersOwnIsAccepted) {
  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;  // nothing: the folder is missing
    const char* refusal;                           // nullptr: accepted
  };
  const std::string target = Path("target");
  ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
  const Case cases[] = {
      {"missing", nullptr, nullptr},
      {"own", [](const std::string& p) { mkdir(p.c_str(), 0700); }, nullptr},
      {"open",
       [](const std::string& p) {
         mkdir(p.c_str(), 0700);
         chmod(p.c_str(), 0755);
       },
       "open to other users"},
      {"link", [&](const std::string& p) { (void)!symlink(target.c_str(), p.c_str()); },
       "symbolic link"},
      {"file", [](const std::string& p) { close(creat(p.c_str(), 0600)); }, "not a folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = Path(c.name);
    if (c.make) {
      c.make(path);
    }
    fw::platform::PrivateFolder folder = MakePrivateFolder(path);
    if (!c.refusal) {
      EXPECT_EQ(folder.path, path) << folder.problem;
      struct stat info = {};
      ASSERT_EQ(lstat(path.c_str(), &info), 0);
      EXPECT_TRUE(S_ISDIR(info.st_mode));
      EXPECT_EQ(info.st_mode & 0777, 0700u);
    } else {
      EXPECT_EQ(folder.path, "");
      EXPECT_NE(folder.problem.find(c.refusal), std::string::npos) << folder.problem;
    }
  }
}

TEST_F(PrivateFolder, WithoutARuntimeFolderOneOfTheUsersOwnInTempIsUsed) {
  std::string temp = Path("tmp");
  ASSERT_EQ(mkdir(temp.c_str(), 01777), 0);
  std::string expected = temp + "/Program-" + std::to_string(geteuid());
  std::string runtime = Path("runtime");
  std::string openRuntime = Path("open-runtime");
  ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
  ASSERT_EQ(mkdir(openRuntime.c_str(), 0700), 0);
  ASSERT_EQ(chmod(openRuntime.c_str(), 0755), 0);
  ScopedEnv tmpdir("TMPDIR", temp);

  struct Case {
    const std::string* runtime;
    std::string expected;
  };
  const Case cases[] = {{nullptr, expected}, {&runtime, runtime}, {&openRuntime, expected}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.runtime ? *c.runtime : "unset");
    ScopedEnv xdg("XDG_RUNTIME_DIR", c.runtime ? c.runtime->c_str() : nullptr);
    EXPECT_EQ(UserPrivateFolder("Program").path, c.expected);
  }
}

// A socket's path holds at most 107 bytes: a runtime folder whose socket
// would be longer gives way to the temp folder, one byte sooner does not.
TEST_F(PrivateFolder, ARuntimeFolderTooLongForTheSocketGivesWayToTemp) {
  std::string temp = Path("tmp");
  ASSERT_EQ(mkdir(temp.c_str(), 01777), 0);
  std::string runtime = Path("runtime");
  ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
  ScopedEnv tmpdir("TMPDIR", temp);
  ScopedEnv xdg("XDG_RUNTIME_DIR", runtime);
  const std::size_t longest = 107 - runtime.size() - 1;  // folder, "/", name

  EXPECT_EQ(UserPrivateFolder("Program", longest).path, runtime);
  EXPECT_EQ(UserPrivateFolder("Program", longest + 1).path,
            temp + "/Program-" + std::to_string(geteuid()));
}

// The folder's mode keeps out writes, so no lock or socket can be made in
// it. Root writes past mode bits, so there a child that is another user
// looks.
TEST_F(PrivateFolder, AReadOnlyRuntimeFolderGivesWayToTemp) {
  const uid_t user = CanGiveAway() ? kStranger : geteuid();
  std::string temp = Path("tmp");
  std::string runtime = Path("runtime");
  ASSERT_EQ(chmod(dir.path().toStdString().c_str(), 0711), 0);
  ASSERT_EQ(mkdir(temp.c_str(), 01777), 0);
  ASSERT_EQ(chmod(temp.c_str(), 01777), 0);  // past the umask, for the other user
  ASSERT_EQ(mkdir(runtime.c_str(), 0500), 0);
  ASSERT_EQ(chown(runtime.c_str(), user, user), 0);
  ScopedEnv tmpdir("TMPDIR", temp);
  ScopedEnv xdg("XDG_RUNTIME_DIR", runtime);

  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (user != geteuid() && (setgid(user) != 0 || setuid(user) != 0)) {
      _exit(2);
    }
    std::string path = UserPrivateFolder("Program").path;
    _exit(write(out[1], path.data(), path.size()) == static_cast<ssize_t>(path.size()) ? 0 : 3);
  }
  close(out[1]);
  char buffer[512];
  ssize_t got = read(out[0], buffer, sizeof buffer);
  close(out[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0),
            temp + "/Program-" + std::to_string(user));
}

// Someone else made the folder first: the program runs without the lock
// rather than put it where others can reach it.
TEST_F(PrivateFolder, ATakenTempFolderMeansNoLock) {
  if (!CanGiveAway()) {
    GTEST_SKIP() << "only root can give a folder to another user";
  }
  std::string temp = Path("tmp");
  ASSERT_EQ(mkdir(temp.c_str(), 01777), 0);
  std::string squatted = temp + "/Program-" + std::to_string(geteuid());
  ASSERT_EQ(mkdir(squatted.c_str(), 0777), 0);
  ASSERT_EQ(chown(squatted.c_str(), kStranger, kStranger), 0);
  ScopedEnv tmpdir("TMPDIR", temp);
  ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);

  fw::platform::OneCopyPlace place = fw::platform::OneCopyPlaceFor("Program");
  EXPECT_EQ(place.lock, "");
  EXPECT_EQ(place.problem, squatted + " belongs to another user");
  EXPECT_EQ(fw::platform::ClaimOneCopy(place, "").outcome,
            fw::platform::OneCopyClaim::Outcome::RunAlone);
}

}  // namespace
