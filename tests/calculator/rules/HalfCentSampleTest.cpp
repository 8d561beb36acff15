// A fixed sample of the exact half-cent cases, where any slip in rounding
// shows; scripts/sweep.sh runs all of them up to 100000.00.
#include <gtest/gtest.h>

#include <cstdint>

#include "calculator/rules/HalfCents.h"

namespace {

// Every percentage 0.00..200.00 that has half-cent cases, and for each a
// spread of values drawn from its progression: the same draw every run.
void ExpectSampleExact(int64_t maxValue, int64_t perPercent, int64_t seed) {
  uint64_t state = static_cast<uint64_t>(seed);
  int64_t cases = 0;
  int64_t wrong = 0;
  for (int64_t percent = 0; percent <= 20000; ++percent) {
    const halfcents::Progression values = halfcents::ValuesFor(percent);
    if (values.step == 0) {
      continue;
    }
    const int64_t first = halfcents::FirstAtOrAbove(values, -maxValue);
    const auto count = static_cast<uint64_t>((maxValue - first) / values.step + 1);
    for (int64_t i = 0; i < perPercent; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;  // Knuth's MMIX LCG
      const int64_t value = first + static_cast<int64_t>((state >> 11) % count) * values.step;
      const PercentRules::Results shown = halfcents::Calculated(percent, value);
      const PercentRules::Results exact = halfcents::Expected(percent, value);
      ++cases;
      if (shown != exact && ++wrong <= 5) {
        ADD_FAILURE() << halfcents::Hundredths(percent) << " % of " << halfcents::Hundredths(value)
                      << ": \"" << shown.amount << "\" \"" << shown.plus << "\" \"" << shown.minus
                      << "\" instead of \"" << exact.amount << "\" \"" << exact.plus << "\" \""
                      << exact.minus << "\"";
      }
    }
  }
  EXPECT_EQ(0, wrong) << "of " << cases;
  EXPECT_GT(cases, 500000);
}

TEST(HalfCentSample, ValuesUpTo100000) {
  ExpectSampleExact(10'000'000, 30, 1);
}

// 10^13 with cents is the most a double carries faithfully.
TEST(HalfCentSample, ValuesUpTo10To13) {
  ExpectSampleExact(1'000'000'000'000'000, 30, 2);
}

}  // namespace
