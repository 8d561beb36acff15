// Every percentage 0.00..200.00 against every value -100000.00..100000.00
// whose amount is an exact half cent, through the calculation as the window
// runs it; prints how many results differ from exact arithmetic. Too slow
// for the suite: scripts/sweep.sh builds and runs it.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "calculator/rules/HalfCents.h"

namespace {

constexpr int64_t kMaxPercent = 20000;     // hundredths
constexpr int64_t kMaxValue = 10'000'000;  // cents

struct Tally {
  uint64_t cases = 0;
  uint64_t wrong = 0;  // cases with at least one line wrong
  uint64_t amount = 0;
  uint64_t plus = 0;
  uint64_t minus = 0;

  void Add(const Tally& other) {
    cases += other.cases;
    wrong += other.wrong;
    amount += other.amount;
    plus += other.plus;
    minus += other.minus;
  }
};

void PrintWrong(int64_t percent, int64_t value, const PercentRules::Results& shown,
                const PercentRules::Results& exact) {
  static std::mutex mutex;
  static int printed = 0;
  const std::lock_guard lock(mutex);
  if (printed++ < 10) {
    std::fprintf(stderr, "%s %% of %s: \"%s\" \"%s\" \"%s\", exact \"%s\" \"%s\" \"%s\"\n",
                 halfcents::Hundredths(percent).c_str(), halfcents::Hundredths(value).c_str(),
                 shown.amount.c_str(), shown.plus.c_str(), shown.minus.c_str(),
                 exact.amount.c_str(), exact.plus.c_str(), exact.minus.c_str());
  }
}

Tally SweepPercent(int64_t percent) {
  Tally tally;
  const halfcents::Progression values = halfcents::ValuesFor(percent);
  if (values.step == 0) {
    return tally;
  }
  for (int64_t value = halfcents::FirstAtOrAbove(values, -kMaxValue); value <= kMaxValue;
       value += values.step) {
    const PercentRules::Results shown = halfcents::Calculated(percent, value);
    const PercentRules::Results exact = halfcents::Expected(percent, value);
    ++tally.cases;
    if (shown != exact) {
      ++tally.wrong;
      tally.amount += shown.amount != exact.amount ? 1 : 0;
      tally.plus += shown.plus != exact.plus ? 1 : 0;
      tally.minus += shown.minus != exact.minus ? 1 : 0;
      PrintWrong(percent, value, shown, exact);
    }
  }
  return tally;
}

}  // namespace

// The one argument is the number of threads, all the cores when left out.
int main(int argc, char** argv) {
  unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  if (argc > 1) {
    threads = static_cast<unsigned>(std::max(1, std::atoi(argv[1])));
  }
  std::atomic<int64_t> next{0};
  std::vector<Tally> tallies(threads);
  std::vector<std::thread> workers;
  for (unsigned t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      for (int64_t percent = next++; percent <= kMaxPercent; percent = next++) {
        tallies[t].Add(SweepPercent(percent));
      }
    });
  }
  Tally total;
  for (unsigned t = 0; t < threads; ++t) {
    workers[t].join();
    total.Add(tallies[t]);
  }
  const auto n = [](uint64_t count) { return static_cast<unsigned long long>(count); };
  std::printf("%llu wrong of %llu cases (amount %llu, sum %llu, difference %llu)\n", n(total.wrong),
              n(total.cases), n(total.amount), n(total.plus), n(total.minus));
  return total.wrong == 0 ? 0 : 1;
}
