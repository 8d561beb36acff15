#pragma once
// What a launcher does before it starts a program, for a start that no
// launcher made: it reads the X server's current time for the startup id,
// so that the window that the start shows may come forward over a window
// that the user typed into just before.
#include <chrono>
#include <cstdint>

#include "core/String.h"

namespace fw::platform {

// How long a start waits for the X server to tell its time.
constexpr std::chrono::milliseconds kServerTimeBound{1000};

// The X server's current time on $DISPLAY; 0 when there is no X display, it
// is not the one that the program would use, or it does not tell in BOUND.
uint32_t XServerTime(std::chrono::milliseconds bound = kServerTimeBound);

// A startup id of the kind a launcher makes for PROGRAM, carrying TIME.
String LauncherStyleStartupId(const String& program, uint32_t time);

}  // namespace fw::platform
