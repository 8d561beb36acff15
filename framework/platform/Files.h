#pragma once
#include <filesystem>
#include <optional>

#include "core/String.h"

namespace fw::platform {

// A file's whole text; nullopt when it cannot be read.
std::optional<String> ReadTextFile(const std::filesystem::path& path);

}  // namespace fw::platform
