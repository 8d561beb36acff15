#pragma once
#include <cstdint>
#include <utility>

#include "core/String.h"

namespace fw {

// "1.0" and the like from an Info.plist text: the CFBundleShortVersionString,
// else CFBundleVersion; missing parts are 0.
std::pair<int32_t, int32_t> ParseBundleVersion(const String& plist);

}  // namespace fw
