#include "core/DesktopEntry.h"

#include <algorithm>
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

// A list value ("a;b;"): split at each ";" that is not escaped as "\;".
std::vector<String> ListValue(std::string_view value) {
  std::vector<String> items;
  String raw;
  auto finish = [&] {
    if (!raw.empty()) {
      items.push_back(UnescapeValue(raw));
    }
    raw.clear();
  };
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      if (value[i + 1] == ';') {
        raw += ';';
      } else {
        raw += value.substr(i, 2);
      }
      ++i;
    } else if (value[i] == ';') {
      finish();
    } else {
      raw += value[i];
    }
  }
  finish();
  return items;
}

bool Contains(const std::vector<String>& list, std::string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

bool AnyOf(const std::vector<String>& list, const std::vector<String>& items) {
  return std::any_of(items.begin(), items.end(),
                     [&](const String& item) { return Contains(list, item); });
}

}  // namespace

bool DesktopEntryParser::Line(std::string_view line) {
  if (state_ == State::After) {
    return false;
  }
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  line = TrimLeft(line);
  if (line.empty() || line.front() == '#') {
    return true;
  }
  if (line.front() == '[') {
    if (state_ == State::InGroup) {
      state_ = State::After;
      return false;
    }
    if (TrimRight(line) == kGroupHeader) {
      state_ = State::InGroup;
    }
    return true;
  }
  auto equals = line.find('=');
  if (state_ != State::InGroup || equals == std::string_view::npos) {
    return true;
  }
  std::string_view key = TrimRight(line.substr(0, equals));
  std::string_view value = TrimLeft(line.substr(equals + 1));
  if (key == "Name") {
    entry_.name = UnescapeValue(value);
  } else if (key == "Exec") {
    entry_.exec = UnescapeValue(value);
  } else if (key == "Hidden") {
    entry_.hidden = value == "true";
  } else if (key == "Type") {
    entry_.type = UnescapeValue(value);
  } else if (key == "TryExec") {
    entry_.tryExec = UnescapeValue(value);
  } else if (key == "Categories") {
    entry_.categories = ListValue(value);
  } else if (key == "OnlyShowIn") {
    entry_.onlyShowIn = ListValue(value);
  } else if (key == "NotShowIn") {
    entry_.notShowIn = ListValue(value);
  }
  return true;
}

std::optional<DesktopEntry> DesktopEntryParser::Result() const {
  if (state_ == State::Before) {
    return std::nullopt;
  }
  return entry_;
}

std::optional<DesktopEntry> ParseDesktopEntry(const String& text) {
  DesktopEntryParser parser;
  std::string_view rest = text;
  while (!rest.empty()) {
    auto end = rest.find('\n');
    if (!parser.Line(rest.substr(0, end))) {
      break;
    }
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return parser.Result();
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

DesktopFit FitFor(const DesktopEntry& entry, const std::vector<String>& desktops) {
  if (AnyOf(entry.notShowIn, desktops) ||
      (!entry.onlyShowIn.empty() && !AnyOf(entry.onlyShowIn, desktops))) {
    return DesktopFit::NotShown;
  }
  if (AnyOf(entry.onlyShowIn, desktops) || AnyOf(entry.categories, desktops)) {
    return DesktopFit::MeantFor;
  }
  return DesktopFit::Neutral;
}

bool HasCategory(const DesktopEntry& entry, std::string_view category) {
  return Contains(entry.categories, category);
}

}  // namespace fw
