#pragma once
// The desktop services behind Desktop.h, where tests put their own.
#include <functional>

#include "core/String.h"

namespace fw {

// Opens an address instead of the desktop when set.
std::function<void(const String&)>& UrlOpener();

}  // namespace fw
