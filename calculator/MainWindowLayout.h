#pragma once
// The property blobs of the main window and of its 13 controls.
#include <string_view>

namespace MainWindowLayout {

extern const std::string_view Window;
extern const std::string_view StaticText1;
extern const std::string_view edPercent;
extern const std::string_view edValue;
extern const std::string_view stPlus;
extern const std::string_view stMinus;
extern const std::string_view btnCalc;
extern const std::string_view btnClear;
extern const std::string_view stAmount;
extern const std::string_view StaticText2;
extern const std::string_view stClick;
extern const std::string_view btnCalc1;
extern const std::string_view stInfo2;
extern const std::string_view Canvas1;

}  // namespace MainWindowLayout
