#pragma once
// What the main window computes and copies, without the window: from the
// fields' texts to the result lines, and from a result line to the text that
// goes on the clipboard.
#include <optional>

#include "core/String.h"

namespace PercentRules {

// The three result lines: a mark of two characters, then the number written
// "#.00".
struct Results {
  fw::String amount;  // "= ", value * percentage / 100
  fw::String plus;    // "+ ", value + amount
  fw::String minus;   // "- ", value - amount
  friend bool operator==(const Results&, const Results&) = default;
};

// A negative percentage counts as 0; neither text is checked. Finite numbers
// give results exact to the cent (ExactCents.h). An infinite value or
// percentage gives "inf", "-inf" or "0.00" on each line: the amount as
// value * percentage / 100, the sum and difference as
// value * (100 ± percentage) / 100, where a zero factor gives 0.00.
Results Calculate(const fw::String& percentText, const fw::String& valueText);

// The number of a result line without its mark, or nothing for a blank line
// and for "?".
std::optional<fw::String> CopiedText(const fw::String& line);

}  // namespace PercentRules
