#pragma once
#include <cstdint>
#include <utility>

#include "core/String.h"

namespace fw {

// The major and minor version from an Info.plist text: the top-level
// dictionary's CFBundleShortVersionString, else its CFBundleVersion, as
// "major.minor". A part that is missing or not a whole number from 0 to
// 2^31-1 is 0, and so is everything of a text that is no well-formed XML.
std::pair<int32_t, int32_t> ParseBundleVersion(const String& plist);

}  // namespace fw
