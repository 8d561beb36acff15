#pragma once
// What ExecutableFile stands for, where tests put another path.
#include <filesystem>

namespace fw {

// The path ExecutableFile gives when not empty.
std::filesystem::path& ExecutableOverride();

}  // namespace fw
