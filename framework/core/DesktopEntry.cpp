#include "core/DesktopEntry.h"

#include <string_view>

namespace fw {
namespace {

constexpr std::string_view kGroupHeader = "[Desktop Entry]";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  return text;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

String UnescapeValue(std::string_view value) {
  String out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[i + 1]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        // Other escapes (such as "\;" in lists) belong to other value types.
        out += value[i];
        out += value[i + 1];
        break;
    }
    ++i;
  }
  return out;
}

}  // namespace

std::optional<DesktopEntry> ParseDesktopEntry(const String& text) {
  DesktopEntry entry;
  bool found = false;
  bool inGroup = false;
  std::string_view rest = text;
  while (!rest.empty()) {
    auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    line = TrimLeft(line);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    if (line.front() == '[') {
      inGroup = TrimRight(line) == kGroupHeader;
      found = found || inGroup;
      continue;
    }
    auto equals = line.find('=');
    if (!inGroup || equals == std::string_view::npos) {
      continue;
    }
    std::string_view key = TrimRight(line.substr(0, equals));
    std::string_view value = TrimLeft(line.substr(equals + 1));
    if (key == "Name") {
      entry.name = UnescapeValue(value);
    } else if (key == "Exec") {
      entry.exec = UnescapeValue(value);
    } else if (key == "Hidden") {
      entry.hidden = value == "true";
    } else if (key == "Type") {
      entry.type = UnescapeValue(value);
    }
  }
  if (!found) {
    return std::nullopt;
  }
  return entry;
}

std::vector<String> ExecArguments(const String& exec) {
  constexpr std::string_view kFieldCodes = "fFuUdDnNickvm";
  constexpr std::string_view kQuotedEscapes = "\"`$\\";
  std::vector<String> args;
  String current;
  bool started = false;
  bool hadFieldCode = false;
  bool quoted = false;
  auto finish = [&] {
    // An argument that was nothing but field codes stands for files this
    // launch does not pass, so it goes away rather than becoming "".
    if (started && !(hadFieldCode && current.empty())) {
      args.push_back(current);
    }
    current.clear();
    started = hadFieldCode = false;
  };
  for (size_t i = 0; i < exec.size(); ++i) {
    char c = exec[i];
    char next = i + 1 < exec.size() ? exec[i + 1] : '\0';
    if (quoted) {
      if (c == '"') {
        quoted = false;
        continue;
      }
      if (c == '\\' && next != '\0' && kQuotedEscapes.find(next) != std::string_view::npos) {
        current += next;
        ++i;
        continue;
      }
    } else if (c == ' ') {
      finish();
      continue;
    } else if (c == '"') {
      quoted = started = true;
      continue;
    }
    started = true;
    if (c == '%' && next == '%') {
      current += '%';
      ++i;
    } else if (c == '%' && next != '\0' && kFieldCodes.find(next) != std::string_view::npos) {
      hadFieldCode = true;
      ++i;
    } else {
      current += c;
    }
  }
  finish();
  return args;
}

}  // namespace fw
