#pragma once
// Reading files that anyone could have put there: only regular files, never
// more than a bound, and without ever waiting on a FIFO or a device.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "core/String.h"

namespace fw::platform {

// The whole content of a regular file of at most maxBytes; nullopt for
// anything else (a folder, a FIFO, a device, a larger file) or when it
// cannot be read.
std::optional<String> ReadRegularFile(const std::filesystem::path& path, size_t maxBytes);
// The lines of such a file, each without its "\n", handed to onLine until it
// returns False. Gives the bytes read, or nullopt as ReadRegularFile does
// (the lines handed on until then count for nothing).
std::optional<size_t> ReadLinesOfRegularFile(
    const std::filesystem::path& path, size_t maxBytes,
    const std::function<bool(std::string_view line)>& onLine);

}  // namespace fw::platform
