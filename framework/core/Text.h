#pragma once
// The framework's text functions. Text is UTF-8; positions and lengths count
// characters (code points), never bytes. Nothing here reads the process
// locale, so results are the same whatever locale the user runs under.
//
// Characters: a valid UTF-8 sequence (shortest form, no surrogates, at most
// U+10FFFF) is one character. Any other byte, including each byte of a
// truncated or overlong sequence, is one character on its own whose code is
// the byte's value.
//
// White space: ASCII space, \t, \n, \v, \f, \r, and U+0085, U+00A0, U+1680,
// U+2000-U+200A, U+2028, U+2029, U+202F, U+205F, U+3000.
//
// Val(text): white space before and after the number is ignored. The number
// is the longest leading decimal number in the C locale: an optional sign,
// digits with at most one ".", and an optional exponent (e or E, an optional
// sign, digits; "1e" and "1e+" read as 1). No hexadecimal, "inf", "nan" or
// thousands separators: "0x10" and "inf" give 0, "12,5" gives 12. Nothing
// readable gives 0. ".5" is 0.5, "5." is 5, "-0" is -0.0, "+3" is 3. Too large
// for a double gives +inf or -inf; too small rounds to 0 or a subnormal.
//
// Format(number, pattern): writes the number with the pattern's places,
// rounding half away from zero what lies past them. A double is written as
// its shortest decimal form (the digits that read back as the same double),
// so 2.675 -> "2.68" and 173.08499999999998 -> "173.08"; a Decimal is
// written as it is, every digit kept. "." is the decimal separator; there
// is never a "-" on a result that rounds to zero. A double's infinity and NaN
// are written "inf", "-inf" and "nan" (NaN of either sign).
//   "#.00"  two decimals, at least one digit before the point: "0.50", "0.00",
//           "-10.00", "100000000000000000000.00", "4503599627370497.00".
//   "00"    a whole number of at least two digits: "05", "123", "00", "-05".
// Any other pattern throws RuntimeException naming the pattern, as does a
// Decimal whose digits are not all 0-9.
//
// ShortestDecimal(value): the shortest decimal form of a finite double, the
// digits that read back as the same double; "-0" for -0.0. Throws
// RuntimeException for an infinity or NaN.
//
// Str(value): decimal, "-" for negatives.
// Trim(text): text without its leading and trailing white space.
// Len(text): the number of characters (at most INT32_MAX).
// Mid(text, start, length): the length characters from position start
//   (first is 1), cut at the end of the text. start < 1 counts as 1;
//   length <= 0 or start past the end gives "".
// Asc(text): the code of the first character; 0 for "".
#include <cstdint>
#include <string_view>

#include "core/String.h"

namespace fw {

// An exact decimal number: digits x 10^-scale, negative when the flag says so.
struct Decimal {
  bool negative = false;
  String digits;      // most significant first; "" is zero
  int32_t scale = 0;  // places after the point; below 0, that many zeros follow
  friend bool operator==(const Decimal&, const Decimal&) = default;
};

double Val(std::string_view text);
String Str(int32_t value);
String Format(double value, std::string_view pattern);
String Format(const Decimal& number, std::string_view pattern);
Decimal ShortestDecimal(double value);
String Trim(std::string_view text);
int32_t Len(std::string_view text);
String Mid(std::string_view text, int32_t start, int32_t length);
int32_t Asc(std::string_view text);

}  // namespace fw
