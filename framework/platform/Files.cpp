#include "platform/Files.h"

#include <fstream>
#include <iterator>

namespace fw::platform {

std::optional<String> ReadTextFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  String text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    return std::nullopt;
  }
  return text;
}

}  // namespace fw::platform
