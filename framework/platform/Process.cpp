#include "platform/Process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <system_error>

#include "platform/Descriptor.h"

namespace fw::platform {
namespace {

// An absolute path if it names an executable file; else the first
// executable file of that name in a folder of $PATH.
std::filesystem::path FindExecutable(const String& name) {
  return QFile::encodeName(QStandardPaths::findExecutable(QFile::decodeName(name.c_str())))
      .toStdString();
}

std::filesystem::path ResolveProgram(const String& program) {
  return program.find('/') != String::npos ? std::filesystem::path(program)
                                           : FindExecutable(program);
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
  return !FindExecutable(program).empty();
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

  // Not QProcess::startDetached: it cannot tell the caller the errno of a
  // failed exec, which the caller reports.
  // A failed exec in the grandchild (or a failed fork in the child) is
  // reported through this pipe; a successful exec closes it empty.
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    return errno;
  }
  Descriptor reportIn(ends[0]);
  Descriptor reportOut(ends[1]);
  pid_t child = fork();
  if (child < 0) {
    return errno;
  }
  if (child == 0) {
    setsid();
    pid_t grandchild = fork();
    if (grandchild == 0) {
      execv(file.c_str(), args.data());
    }
    if (grandchild <= 0) {
      int error = errno;
      (void)!write(reportOut.get(), &error, sizeof error);
    }
    _exit(0);
  }
  reportOut.reset();
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = read(reportIn.get(), &error, sizeof error)) < 0 && errno == EINTR) {
  }
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace fw::platform
