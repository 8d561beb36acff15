#include "calculator/ExactCents.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>

namespace PercentRules {
namespace {

using boost::multiprecision::cpp_int;

// digits * 10^exponent
struct Exact {
  cpp_int digits;
  int64_t exponent = 0;
};

Exact FromDouble(double number) {
  const fw::Decimal decimal = fw::ShortestDecimal(number);
  Exact exact{cpp_int(decimal.digits.c_str()), -int64_t{decimal.scale}};
  if (decimal.negative) {
    exact.digits = -exact.digits;
  }
  return exact;
}

cpp_int PowerOfTen(int64_t exponent) {
  return boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(exponent));
}

fw::Decimal RoundToCents(const cpp_int& digits, int64_t exponent) {
  cpp_int cents = abs(digits);
  if (exponent >= -2) {
    cents *= PowerOfTen(exponent + 2);
  } else {
    const cpp_int divisor = PowerOfTen(-2 - exponent);
    cpp_int remainder;
    divide_qr(cpp_int(cents), divisor, cents, remainder);
    if (remainder * 2 >= divisor) {
      ++cents;
    }
  }
  return {digits < 0 && cents != 0, cents.str(), 2};
}

}  // namespace

CentResults ExactCents(double value, double percentage) {
  const Exact v = FromDouble(value);
  const Exact p = FromDouble(percentage);
  const Exact amount{v.digits * p.digits, v.exponent + p.exponent - 2};
  // The value and the amount on one scale, to add them without rounding.
  const int64_t common = std::min(v.exponent, amount.exponent);
  const cpp_int scaledValue = v.digits * PowerOfTen(v.exponent - common);
  const cpp_int scaledAmount = amount.digits * PowerOfTen(amount.exponent - common);
  return {RoundToCents(amount.digits, amount.exponent),
          RoundToCents(scaledValue + scaledAmount, common),
          RoundToCents(scaledValue - scaledAmount, common)};
}

}  // namespace PercentRules
