#pragma once
// The calculation in exact decimal arithmetic, so that no binary error ever
// decides a cent.
#include "core/Text.h"

namespace PercentRules {

struct CentResults {
  fw::Decimal amount;  // value * percentage / 100
  fw::Decimal plus;    // value + amount
  fw::Decimal minus;   // value - amount
};

// Takes each finite number as its shortest decimal form, which is what was
// typed for anything up to 15 significant digits. Each result is worked out
// exactly from those two (the sum and difference from the exact amount) and
// then rounded once, half away from zero, to cents.
CentResults ExactCents(double value, double percentage);

}  // namespace PercentRules
