#pragma once
// The freedesktop.org desktop entry format: what the program reads of an
// installed application's entry.
#include <optional>
#include <vector>

#include "core/String.h"

namespace fw {

struct DesktopEntry {
  String name;
  String exec;
  bool hidden = false;
  // Empty when the entry gives no Type.
  String type;
};
// The [Desktop Entry] group's Name, Exec, Hidden and Type; nullopt when the
// text has no such group.
std::optional<DesktopEntry> ParseDesktopEntry(const String& text);
// Exec split into arguments as the desktop entry rules quote them, with the
// field codes (%f, %U, ...) removed and "%%" kept as "%".
std::vector<String> ExecArguments(const String& exec);

}  // namespace fw
