#pragma once
// The blob of the message window, and the name and blob of each of its three controls.
#include <string_view>

#include "core/LayoutEntries.h"

namespace NotifyWindowLayout {

extern const std::string_view Window;
extern const fw::layout::ControlLayout btnOk;
extern const fw::layout::ControlLayout stMsg;
extern const fw::layout::ControlLayout Canvas1;

}  // namespace NotifyWindowLayout
