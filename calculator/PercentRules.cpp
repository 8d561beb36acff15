#include "calculator/PercentRules.h"

#include "core/Text.h"

namespace PercentRules {

Results Calculate(const fw::String& percentText, const fw::String& valueText) {
  double percentage = fw::Val(percentText);
  if (percentage < 0) {
    percentage = 0;
  }
  double value = fw::Val(valueText);
  double amount = (value * percentage) / 100.0;
  return {"= " + fw::Format(amount, "#.00"), "+ " + fw::Format(value + amount, "#.00"),
          "- " + fw::Format(value - amount, "#.00")};
}

std::optional<fw::String> CopiedText(const fw::String& line) {
  fw::String text = fw::Trim(line);
  if (text == "?" || text.empty()) {
    return std::nullopt;
  }
  // Only the mark goes: the number keeps its own sign.
  if (text[0] == '+' || text[0] == '-' || text[0] == '=') {
    text = fw::Mid(text, 2, fw::Len(text));
  }
  return fw::Trim(text);
}

}  // namespace PercentRules
