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
// Format(value, pattern): takes the shortest decimal form of the double (the
// digits that read back as the same double), cuts it to DBL_DIG (15)
// significant digits, the most a double always carries, and rounds that to
// the pattern's places; both steps round half away from zero. So error in
// the last binary digits decides no rounding: 2.675 -> "2.68", 1.005 ->
// "1.01", 173.08499999999998 (157.35 + 15.735) -> "173.09". Past the 15th
// significant digit every digit is 0, and from about 10^13 on the cents are
// no longer exact. "." is the decimal separator; there is never a "-" on a
// result that rounds to zero. Infinity and NaN are written "inf", "-inf" and
// "nan" (NaN of either sign).
//   "#.00"  two decimals, at least one digit before the point: "0.50", "0.00",
//           "-10.00", "100000000000000000000.00", "4503599627370500.00".
//   "00"    a whole number of at least two digits: "05", "123", "00", "-05".
// Any other pattern throws RuntimeException naming the pattern.
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

double Val(std::string_view text);
String Str(int32_t value);
String Format(double value, std::string_view pattern);
String Trim(std::string_view text);
int32_t Len(std::string_view text);
String Mid(std::string_view text, int32_t start, int32_t length);
int32_t Asc(std::string_view text);

}  // namespace fw
