#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/Descriptor.h"

namespace fw::platform {
namespace {

bool RegularWithin(const struct stat& status, size_t maxBytes) {
  return S_ISREG(status.st_mode) && status.st_size >= 0 &&
         static_cast<unsigned long long>(status.st_size) <= maxBytes;
}

// stat first, so that a device is never opened at all; the open cannot
// block on a FIFO put there since, and fstat tells what was opened.
Descriptor OpenRegular(const std::filesystem::path& path, size_t maxBytes) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !RegularWithin(status, maxBytes)) {
    return {};
  }
  Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid() || fstat(fd.get(), &status) != 0 || !RegularWithin(status, maxBytes)) {
    return {};
  }
  return fd;
}

// Reads up to maxBytes in chunks, handing each to onChunk until it returns
// False. A file that turns out longer than it said (it grew, or it is one of
// the kernel's) counts as too large.
std::optional<size_t> ReadChunks(const std::filesystem::path& path, size_t maxBytes,
                                 const std::function<bool(std::string_view)>& onChunk) {
  Descriptor file = OpenRegular(path, maxBytes);
  if (!file.valid()) {
    return std::nullopt;
  }
  std::array<char, 16384> buffer;
  size_t total = 0;
  while (true) {
    ssize_t got = read(file.get(), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      return std::nullopt;
    }
    if (got == 0) {
      return total;
    }
    total += static_cast<size_t>(got);
    if (total > maxBytes) {
      return std::nullopt;
    }
    if (!onChunk(std::string_view(buffer.data(), static_cast<size_t>(got)))) {
      return total;
    }
  }
}

}  // namespace

std::optional<String> ReadRegularFile(const std::filesystem::path& path, size_t maxBytes) {
  String text;
  auto read = ReadChunks(path, maxBytes, [&](std::string_view chunk) {
    text += chunk;
    return true;
  });
  if (!read) {
    return std::nullopt;
  }
  return text;
}

std::optional<size_t> ReadLinesOfRegularFile(
    const std::filesystem::path& path, size_t maxBytes,
    const std::function<bool(std::string_view line)>& onLine) {
  String partial;
  bool more = true;
  auto read = ReadChunks(path, maxBytes, [&](std::string_view chunk) {
    while (more && !chunk.empty()) {
      auto end = chunk.find('\n');
      if (end == std::string_view::npos) {
        partial += chunk;
        break;
      }
      partial += chunk.substr(0, end);
      chunk.remove_prefix(end + 1);
      more = onLine(partial);
      partial.clear();
    }
    return more;
  });
  if (read && more && !partial.empty()) {
    onLine(partial);
  }
  return read;
}

}  // namespace fw::platform
