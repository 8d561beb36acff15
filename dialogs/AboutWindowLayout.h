#pragma once
// The property blobs of the About window and of its six controls.
#include <string_view>

namespace AboutWindowLayout {

extern const std::string_view Window;
extern const std::string_view stProgramName;
extern const std::string_view stVersion;
extern const std::string_view stCopyright;
extern const std::string_view stEmail;
extern const std::string_view stURL;
extern const std::string_view Canvas1;

}  // namespace AboutWindowLayout
