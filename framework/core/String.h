#pragma once
// The framework's text type: UTF-8 bytes in a std::string.
#include <string>
#include <string_view>

namespace fw {
using String = std::string;
}
