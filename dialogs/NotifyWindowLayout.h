#pragma once
// The property blobs of the message window and of its three controls.
#include <string_view>

namespace NotifyWindowLayout {

extern const std::string_view Window;
extern const std::string_view btnOk;
extern const std::string_view stMsg;
extern const std::string_view Canvas1;

}  // namespace NotifyWindowLayout
