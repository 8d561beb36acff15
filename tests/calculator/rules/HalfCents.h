#pragma once
// Cases where the amount is exactly half a cent off a whole cent, the ones a
// rounding slip shows on, and their results worked out in integers. A
// percentage is counted in hundredths and a value in cents, so the amount
// V * P / 10000 cents is a half cent when V * P = 5000 (mod 10000).
#include <cstdint>
#include <cstdio>
#include <string>

#include "calculator/PercentRules.h"

namespace halfcents {

// Large values times percentages pass 2^63.
__extension__ using Int128 = __int128;

// The values with a half-cent amount for a percentage: first + k * step.
struct Progression {
  int64_t first = 0;
  int64_t step = 0;  // 0: no value gives this percentage a half-cent amount
};

inline Progression ValuesFor(int64_t percent) {
  // Residues repeat with period 10000 / gcd(percent, 10000); the first hit is
  // the progression's start, the distance to the next is its step.
  int64_t first = -1;
  for (int64_t k = 0; k < 10000; ++k) {
    if (k * percent % 10000 == 5000) {
      if (first < 0) {
        first = k;
      } else {
        return {first, k - first};
      }
    }
  }
  return first < 0 ? Progression{} : Progression{first, 10000};
}

// The smallest member of the progression at or above `low`.
inline int64_t FirstAtOrAbove(const Progression& p, int64_t low) {
  int64_t offset = (p.first - low) % p.step;
  if (offset < 0) {
    offset += p.step;
  }
  return low + offset;
}

// "-3458.00" for -345800 hundredths.
inline std::string Hundredths(int64_t n) {
  const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  char text[40];
  std::snprintf(text, sizeof text, "%s%llu.%02llu", n < 0 ? "-" : "",
                static_cast<unsigned long long>(magnitude / 100),
                static_cast<unsigned long long>(magnitude % 100));
  return text;
}

// A result given in ten-thousandths of a cent, rounded half away from zero
// to cents and written "#.00".
inline std::string Cents(Int128 tenThousandths) {
  const bool negative = tenThousandths < 0;
  const Int128 cents = ((negative ? -tenThousandths : tenThousandths) + 5000) / 10000;
  const auto whole = static_cast<unsigned long long>(cents / 100);
  const auto fraction = static_cast<unsigned long long>(cents % 100);
  char text[48];
  std::snprintf(text, sizeof text, "%s%llu.%02llu", negative && cents != 0 ? "-" : "", whole,
                fraction);
  return text;
}

inline PercentRules::Results Expected(int64_t percent, int64_t value) {
  const Int128 amount = static_cast<Int128>(value) * percent;
  const Int128 whole = static_cast<Int128>(value) * 10000;
  return {"= " + Cents(amount), "+ " + Cents(whole + amount), "- " + Cents(whole - amount)};
}

inline PercentRules::Results Calculated(int64_t percent, int64_t value) {
  return PercentRules::Calculate(Hundredths(percent), Hundredths(value));
}

}  // namespace halfcents
