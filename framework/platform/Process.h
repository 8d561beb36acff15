#pragma once
// Processes: the running executable, and starting other programs.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/String.h"

namespace fw::platform {

// The running executable's path; empty when it cannot be had.
std::filesystem::path ExecutablePath();
// Whether a desktop entry's TryExec program is there: an absolute path must
// be an executable file, any other name one found on $PATH.
bool ProgramInstalled(const String& program);
// Whether the program, a path or a name on $PATH, is the running executable
// once its symlinks are followed.
bool IsThisExecutable(const String& program);
// Starts a program detached from this one, without a shell. Returns 0, or
// the errno that kept it from starting.
int32_t LaunchDetached(const std::vector<String>& argv);

}  // namespace fw::platform
