#include "calculator/PercentRules.h"

#include <cmath>

#include "calculator/ExactCents.h"
#include "core/Text.h"

namespace PercentRules {
namespace {

// A zero factor gives 0, also against an infinity, so no line shows "nan".
double Times(double a, double b) {
  return a == 0 || b == 0 ? 0.0 : a * b;
}

}  // namespace

Results Calculate(const fw::String& percentText, const fw::String& valueText) {
  double percentage = fw::Val(percentText);
  if (percentage < 0) {
    percentage = 0;
  }
  const double value = fw::Val(valueText);
  if (std::isinf(value) || std::isinf(percentage)) {
    // The sum and difference as value * (100 ± percentage) / 100, so their
    // signs follow the arithmetic; each line is an infinity or 0.00.
    return {"= " + fw::Format(Times(value, percentage) / 100, "#.00"),
            "+ " + fw::Format(Times(value, 100 + percentage) / 100, "#.00"),
            "- " + fw::Format(Times(value, 100 - percentage) / 100, "#.00")};
  }
  const CentResults cents = ExactCents(value, percentage);
  return {"= " + fw::Format(cents.amount, "#.00"), "+ " + fw::Format(cents.plus, "#.00"),
          "- " + fw::Format(cents.minus, "#.00")};
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
