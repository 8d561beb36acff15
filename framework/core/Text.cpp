#include "core/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

#include "core/Exceptions.h"

namespace fw {
namespace {

struct Char {
  int32_t code;
  size_t size;  // 1 for an invalid byte, which stands for itself
};

// Strict UTF-8: the second-byte ranges exclude overlong forms, surrogates and
// code points above U+10FFFF.
Char DecodeAt(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const Char invalid{lead, 1};
  if (lead < 0x80) {
    return invalid;
  }
  size_t size = 0;
  int32_t code = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) {
      low = 0xA0;
    } else if (lead == 0xED) {
      high = 0x9F;
    }
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
    code = lead & 0x07;
    if (lead == 0xF0) {
      low = 0x90;
    } else if (lead == 0xF4) {
      high = 0x8F;
    }
  } else {
    return invalid;
  }
  if (text.size() - at < size) {
    return invalid;
  }
  for (size_t i = 1; i < size; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if (next < low || next > high) {
      return invalid;
    }
    low = 0x80;
    high = 0xBF;
    code = (code << 6) | (next & 0x3F);
  }
  return {code, size};
}

bool IsWhiteSpace(const Char& c) {
  if (c.size == 1) {
    // An invalid byte 0x85 or 0xA0 is not U+0085 or U+00A0.
    return c.code == ' ' || (c.code >= '\t' && c.code <= '\r');
  }
  switch (c.code) {
    case 0x0085:
    case 0x00A0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return true;
    default:
      return c.code >= 0x2000 && c.code <= 0x200A;
  }
}

size_t SkipWhiteSpace(std::string_view text) {
  size_t at = 0;
  while (at < text.size()) {
    const Char c = DecodeAt(text, at);
    if (!IsWhiteSpace(c)) {
      break;
    }
    at += c.size;
  }
  return at;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// from_chars reports overflow and underflow alike; the decimal magnitude of
// the first significant digit tells them apart. Far from the boundary either
// way, so a saturated exponent is enough.
bool Overflows(std::string_view mantissa, std::string_view exponentDigits, bool negativeExponent) {
  bool seenPoint = false;
  int64_t integerDigits = 0;
  int64_t leadingFractionZeros = 0;
  bool found = false;
  for (const char c : mantissa) {
    if (c == '.') {
      seenPoint = true;
    } else if (!seenPoint) {
      if (found || c != '0') {
        found = true;
        ++integerDigits;
      }
    } else if (!found) {
      if (c != '0') {
        found = true;
      } else {
        ++leadingFractionZeros;
      }
    }
  }
  const int64_t magnitude = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
  constexpr int64_t kCap = int64_t{1} << 40;
  int64_t exponent = 0;
  for (const char c : exponentDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > kCap) {
      exponent = kCap;
    }
  }
  return magnitude + (negativeExponent ? -exponent : exponent) > 0;
}

void Increment(String& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

int PlacesOf(std::string_view pattern) {
  if (pattern == "#.00") {
    return 2;
  }
  if (pattern != "00") {
    throw RuntimeException("Format: unsupported pattern \"" + String(pattern) + "\"");
  }
  return 0;
}

}  // namespace

double Val(std::string_view text) {
  const std::string_view rest = text.substr(SkipWhiteSpace(text));
  size_t at = 0;
  bool negative = false;
  if (at < rest.size() && (rest[at] == '+' || rest[at] == '-')) {
    negative = rest[at] == '-';
    ++at;
  }
  const size_t mantissaStart = at;
  size_t digits = 0;
  while (at < rest.size() && IsDigit(rest[at])) {
    ++at;
    ++digits;
  }
  if (at < rest.size() && rest[at] == '.') {
    ++at;
    while (at < rest.size() && IsDigit(rest[at])) {
      ++at;
      ++digits;
    }
  }
  if (digits == 0) {
    return 0.0;
  }
  const std::string_view mantissa = rest.substr(mantissaStart, at - mantissaStart);
  std::string_view exponentDigits;
  bool negativeExponent = false;
  if (at < rest.size() && (rest[at] == 'e' || rest[at] == 'E')) {
    size_t e = at + 1;
    if (e < rest.size() && (rest[e] == '+' || rest[e] == '-')) {
      negativeExponent = rest[e] == '-';
      ++e;
    }
    const size_t exponentStart = e;
    while (e < rest.size() && IsDigit(rest[e])) {
      ++e;
    }
    if (e > exponentStart) {
      exponentDigits = rest.substr(exponentStart, e - exponentStart);
      at = e;
    }
  }
  const std::string_view number = rest.substr(mantissaStart, at - mantissaStart);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = Overflows(mantissa, exponentDigits, negativeExponent)
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  }
  return negative ? -value : value;
}

String Str(int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return String(buffer, result.ptr);
}

String Format(double value, std::string_view pattern) {
  PlacesOf(pattern);
  if (std::isnan(value)) {
    return "nan";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-inf" : "inf";
  }
  return Format(ShortestDecimal(value), pattern);
}

String Format(const Decimal& number, std::string_view pattern) {
  const int places = PlacesOf(pattern);
  if (number.digits.find_first_not_of("0123456789") != String::npos) {
    throw RuntimeException("Format: \"" + number.digits + "\" is not a row of digits");
  }
  // The number in units of the last place shown.
  String digits =
      number.digits.substr(std::min(number.digits.find_first_not_of('0'), number.digits.size()));
  const int64_t excess = int64_t{number.scale} - places;
  if (excess < 0) {
    if (!digits.empty()) {
      digits.append(static_cast<size_t>(-excess), '0');
    }
  } else if (excess > 0) {
    const auto dropped = static_cast<uint64_t>(excess);
    // Half away from zero: the first dropped digit alone decides.
    const bool up = dropped <= digits.size() && digits[digits.size() - dropped] >= '5';
    digits.resize(dropped < digits.size() ? digits.size() - dropped : 0);
    if (up) {
      Increment(digits);
    }
  }
  const bool zero = digits.empty();
  // "#.00" needs a digit before the point; "00" needs two digits.
  const size_t minimum = places == 2 ? 3 : 2;
  if (digits.size() < minimum) {
    digits.insert(0, minimum - digits.size(), '0');
  }
  if (places == 2) {
    digits.insert(digits.size() - 2, 1, '.');
  }
  if (number.negative && !zero) {
    digits.insert(digits.begin(), '-');
  }
  return digits;
}

Decimal ShortestDecimal(double value) {
  if (!std::isfinite(value)) {
    throw RuntimeException("ShortestDecimal: not a finite number");
  }
  // Scientific form without precision gives the shortest digits, d.ddde±x.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific);
  const std::string_view form(buffer, static_cast<size_t>(result.ptr - buffer));
  const size_t e = form.find('e');
  Decimal number;
  number.negative = std::signbit(value);
  for (const char c : form.substr(0, e)) {
    if (c != '.') {
      number.digits += c;
    }
  }
  int exponent = 0;
  std::from_chars(form.data() + e + (form[e + 1] == '+' ? 2 : 1), form.data() + form.size(),
                  exponent);
  number.scale = static_cast<int32_t>(number.digits.size()) - 1 - exponent;
  return number;
}

String Trim(std::string_view text) {
  const size_t begin = SkipWhiteSpace(text);
  size_t end = begin;
  for (size_t at = begin; at < text.size();) {
    const Char c = DecodeAt(text, at);
    at += c.size;
    if (!IsWhiteSpace(c)) {
      end = at;
    }
  }
  return String(text.substr(begin, end - begin));
}

int32_t Len(std::string_view text) {
  int64_t count = 0;
  for (size_t at = 0; at < text.size(); at += DecodeAt(text, at).size) {
    ++count;
  }
  return count > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                     : static_cast<int32_t>(count);
}

String Mid(std::string_view text, int32_t start, int32_t length) {
  if (length <= 0) {
    return String();
  }
  size_t begin = 0;
  for (int32_t skip = start > 1 ? start - 1 : 0; skip > 0 && begin < text.size(); --skip) {
    begin += DecodeAt(text, begin).size;
  }
  size_t end = begin;
  for (int32_t take = length; take > 0 && end < text.size(); --take) {
    end += DecodeAt(text, end).size;
  }
  return String(text.substr(begin, end - begin));
}

int32_t Asc(std::string_view text) {
  return text.empty() ? 0 : DecodeAt(text, 0).code;
}

}  // namespace fw
