#include "core/Applications.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>
#include <system_error>

namespace fw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAppSuffix = ".app";
constexpr std::string_view kDesktopSuffix = ".desktop";
constexpr std::string_view kGroupHeader = "[Desktop Entry]";
// Folder symlinks are not followed, so this only guards against absurd trees.
constexpr int kMaxDepth = 32;

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

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

const char* NonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

fs::path HomeFolder() {
  if (const char* home = NonEmptyEnv("HOME")) {
    return home;
  }
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* result = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result &&
      result->pw_dir && *result->pw_dir) {
    return result->pw_dir;
  }
  return {};
}

// Relative paths of the regular *.desktop files under dir, at any depth.
void CollectDesktopFiles(const fs::path& dir, const fs::path& relative,
                         std::vector<fs::path>& found, int depth) {
  std::error_code error;
  fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code statusError;
    fs::path name = it->path().filename();
    // Not following folder symlinks keeps a link loop from trapping the walk.
    if (it->is_directory(statusError) && !it->is_symlink(statusError)) {
      if (depth < kMaxDepth) {
        CollectDesktopFiles(it->path(), relative / name, found, depth + 1);
      }
    } else if (EndsWith(name.native(), kDesktopSuffix) && it->is_regular_file(statusError)) {
      found.push_back(relative / name);
    }
  }
}

// The desktop file id: the path below the applications folder, "/" as "-".
String EntryId(const fs::path& relative) {
  String id = relative.generic_string();
  std::replace(id.begin(), id.end(), '/', '-');
  return id;
}

std::optional<String> ReadText(const fs::path& path) {
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

}  // namespace

ApplicationsFolder::ApplicationsFolder(std::vector<std::filesystem::path> searchPath)
    : FolderItem(searchPath.empty() ? fs::path() : searchPath.front()),
      searchPath_(std::move(searchPath)) {}

Ref<FolderItem> ApplicationsFolder::Child(const String& name) const {
  Ref<FolderItem> plain = FolderItem::Child(name);
  if (plain.IsNil() || !EndsWith(name, kAppSuffix)) {
    return plain;
  }
  const String wanted = name.substr(0, name.size() - kAppSuffix.size());
  if (!wanted.empty()) {
    // Ids already seen in an earlier folder (or earlier in this one) mask
    // later entries with the same id, whatever those say.
    std::set<String> claimed;
    for (const auto& folder : searchPath_) {
      std::vector<fs::path> files;
      CollectDesktopFiles(folder, {}, files, 0);
      std::sort(files.begin(), files.end());
      for (const auto& relative : files) {
        String id = EntryId(relative);
        if (claimed.count(id) != 0) {
          continue;
        }
        auto text = ReadText(folder / relative);
        if (!text) {
          continue;
        }
        auto entry = ParseDesktopEntry(*text);
        if (!entry) {
          continue;
        }
        claimed.insert(std::move(id));
        if (entry->name == wanted && !entry->hidden &&
            (entry->type.empty() || entry->type == "Application")) {
          return Ref<FolderItem>(
              std::make_shared<DesktopEntryItem>(folder / relative, ExecArguments(entry->exec)));
        }
      }
    }
  }
  return Ref<FolderItem>(
      std::make_shared<DesktopEntryItem>(fs::path(AbsolutePath()) / name, std::nullopt));
}

String ApplicationsFolder::AbsolutePath() const {
  return searchPath_.empty() ? String() : searchPath_.front().string();
}

DesktopEntryItem::DesktopEntryItem(std::filesystem::path path,
                                   std::optional<std::vector<String>> command)
    : FolderItem(std::move(path)), command_(std::move(command)) {}

void DesktopEntryItem::Launch(bool) {
  LastErrorCode(command_ && !command_->empty() ? LaunchDetached(*command_) : ENOENT);
}

std::vector<std::filesystem::path> ApplicationsSearchPath() {
  std::vector<fs::path> folders;
  const char* dataHome = NonEmptyEnv("XDG_DATA_HOME");
  if (dataHome && fs::path(dataHome).is_absolute()) {
    folders.push_back(fs::path(dataHome) / "applications");
  } else if (fs::path home = HomeFolder(); !home.empty()) {
    folders.push_back(home / ".local/share/applications");
  }
  const char* dataDirs = NonEmptyEnv("XDG_DATA_DIRS");
  std::string_view dirs = dataDirs ? dataDirs : "/usr/local/share:/usr/share";
  while (true) {
    auto end = dirs.find(':');
    fs::path dir(dirs.substr(0, end));
    // Relative entries are invalid by the base directory rules.
    if (dir.is_absolute()) {
      folders.push_back(dir / "applications");
    }
    if (end == std::string_view::npos) {
      break;
    }
    dirs.remove_prefix(end + 1);
  }
  return folders;
}

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
