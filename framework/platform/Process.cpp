#include "platform/Process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace fw::platform {
namespace {

bool IsExecutableFile(const std::filesystem::path& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

// The first executable file of that name in a folder of $PATH.
std::filesystem::path SearchPath(const String& name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!dirs.empty()) {
    auto end = dirs.find(':');
    auto dir = dirs.substr(0, end);
    auto candidate = std::filesystem::path(dir.empty() ? "." : dir) / name;
    if (IsExecutableFile(candidate)) {
      return candidate;
    }
    dirs = end == std::string_view::npos ? std::string_view{} : dirs.substr(end + 1);
  }
  return {};
}

std::filesystem::path ResolveProgram(const String& program) {
  return program.find('/') != String::npos ? std::filesystem::path(program) : SearchPath(program);
}

}  // namespace

std::filesystem::path ExecutablePath() {
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

bool ProgramInstalled(const String& program) {
  if (program.empty()) {
    return false;
  }
  return std::filesystem::path(program).is_absolute() ? IsExecutableFile(program)
                                                      : !SearchPath(program).empty();
}

bool IsThisExecutable(const String& program) {
  if (program.empty()) {
    return false;
  }
  auto resolved = ResolveProgram(program);
  // stat follows the links; /proc/self/exe is the file itself.
  struct stat candidate {};
  struct stat self {};
  return !resolved.empty() && stat(resolved.c_str(), &candidate) == 0 &&
         stat("/proc/self/exe", &self) == 0 && candidate.st_dev == self.st_dev &&
         candidate.st_ino == self.st_ino;
}

int32_t LaunchDetached(const std::vector<String>& argv) {
  if (argv.empty() || argv[0].empty()) {
    return ENOENT;
  }
  auto program = ResolveProgram(argv[0]);
  if (program.empty() || access(program.c_str(), F_OK) != 0) {
    return ENOENT;
  }
  if (access(program.c_str(), X_OK) != 0 || std::filesystem::is_directory(program)) {
    return EACCES;
  }
  std::vector<char*> args;
  for (const auto& arg : argv) {
    args.push_back(const_cast<char*>(arg.c_str()));
  }
  args.push_back(nullptr);
  String file = program.string();

  // A failed exec in the grandchild (or a failed fork in the child) is
  // reported through this pipe; a successful exec closes it empty.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    return errno;
  }
  pid_t child = fork();
  if (child < 0) {
    int error = errno;
    close(report[0]);
    close(report[1]);
    return error;
  }
  if (child == 0) {
    setsid();
    pid_t grandchild = fork();
    if (grandchild == 0) {
      execv(file.c_str(), args.data());
    }
    if (grandchild <= 0) {
      int error = errno;
      (void)!write(report[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace fw::platform
