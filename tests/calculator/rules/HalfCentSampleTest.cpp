// A fixed sample of the exact half-cent cases, where any slip in rounding
// shows; scripts/sweep.sh runs all of them up to 100000.00.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "calculator/rules/HalfCents.h"

namespace {

struct Sample {
  const char* name;
  int64_t maxValue;      // cents
  int64_t firstPercent;  // hundredths
  int64_t lastPercent;
};

// Four bands of percentages for each range of values, so that each part
// keeps well inside the test timeout under the sanitizers.
const Sample kSamples[] = {
    {"To100000_0To50", 10'000'000, 0, 4999},
    {"To100000_50To100", 10'000'000, 5000, 9999},
    {"To100000_100To150", 10'000'000, 10000, 14999},
    {"To100000_150To200", 10'000'000, 15000, 20000},
    // 10^13 with cents is the most a double carries faithfully.
    {"To10e13_0To50", 1'000'000'000'000'000, 0, 4999},
    {"To10e13_50To100", 1'000'000'000'000'000, 5000, 9999},
    {"To10e13_100To150", 1'000'000'000'000'000, 10000, 14999},
    {"To10e13_150To200", 1'000'000'000'000'000, 15000, 20000},
};

class HalfCentSample : public testing::TestWithParam<Sample> {};

// Every percentage in the band that has half-cent cases, and for each 30
// values drawn from its progression: the same draw every run. 1.1 million
// cases in all.
TEST_P(HalfCentSample, IsExact) {
  const Sample& sample = GetParam();
  uint64_t state = static_cast<uint64_t>(sample.firstPercent) + 1;
  int64_t cases = 0;
  int64_t wrong = 0;
  for (int64_t percent = sample.firstPercent; percent <= sample.lastPercent; ++percent) {
    const halfcents::Progression values = halfcents::ValuesFor(percent);
    if (values.step == 0) {
      continue;
    }
    const int64_t first = halfcents::FirstAtOrAbove(values, -sample.maxValue);
    const auto count = static_cast<uint64_t>((sample.maxValue - first) / values.step + 1);
    for (int i = 0; i < 30; ++i) {
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
  EXPECT_GT(cases, 130000);
}

INSTANTIATE_TEST_SUITE_P(Bands, HalfCentSample, testing::ValuesIn(kSamples),
                         [](const testing::TestParamInfo<Sample>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
