#pragma once
// The freedesktop.org desktop entry format: what the program reads of an
// installed application's entry.
#include <optional>
#include <string_view>
#include <vector>

#include "core/String.h"

namespace fw {

struct DesktopEntry {
  String name;
  String exec;
  bool hidden = false;
  // Empty when the entry gives no Type.
  String type;
  // Empty when the entry gives no TryExec.
  String tryExec;
  std::vector<String> categories;
  std::vector<String> onlyShowIn;
  std::vector<String> notShowIn;
};

// Reads an entry line by line, so that a file is read no further than its
// [Desktop Entry] group.
class DesktopEntryParser {
 public:
  // One line, without its "\n"; False once the group has ended and no
  // later line can matter.
  bool Line(std::string_view line);
  // The group's keys; nullopt when no [Desktop Entry] group was seen.
  std::optional<DesktopEntry> Result() const;

 private:
  enum class State { Before, InGroup, After };
  State state_ = State::Before;
  DesktopEntry entry_;
};

// The [Desktop Entry] group of a whole text; nullopt when it has none.
std::optional<DesktopEntry> ParseDesktopEntry(const String& text);
// Exec split into arguments as the desktop entry rules quote them, with the
// field codes (%f, %U, ...) removed and "%%" kept as "%".
std::vector<String> ExecArguments(const String& exec);

// How an entry stands to the desktops the user runs (XDG_CURRENT_DESKTOP).
enum class DesktopFit {
  // Named by OnlyShowIn or among its Categories (KDE, GNOME, ...).
  MeantFor,
  // Says nothing about these desktops.
  Neutral,
  // Excluded by NotShowIn, or OnlyShowIn names none of them.
  NotShown,
};
DesktopFit FitFor(const DesktopEntry& entry, const std::vector<String>& desktops);
bool HasCategory(const DesktopEntry& entry, std::string_view category);

// What a search of the installed applications' entries looks for. Only
// entries of applications that are installed (TryExec) count.
struct DesktopEntryQuery {
  // The first entry of this Name in search order wins; empty: none.
  String name;
  // Else the first in this category meant for the current desktop, then the
  // first not kept from it, then any; empty: none.
  String category;
  // Desktop file ids ("org.example.App.desktop") that are never chosen.
  std::vector<String> skippedIds;
  // Nor an entry whose Exec starts the running executable.
  bool skipOwnExecutable = false;
};

}  // namespace fw
