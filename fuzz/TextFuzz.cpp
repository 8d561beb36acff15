// Drives the text functions with arbitrary bytes and checks what must hold
// for any input. Below 2^53, Format is checked against a second rounding that
// starts from the fixed shortest form instead of the scientific one; a
// Decimal made of the input's digits is checked to be written digit for digit.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/Exceptions.h"
#include "core/Text.h"

namespace {

#define CHECK(condition)                                                                 \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: CHECK failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

bool AllDigits(std::string_view s) {
  for (const char c : s) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  return !s.empty();
}

bool IsSpecial(const std::string& s) {
  return s == "inf" || s == "-inf" || s == "nan";
}

// -?(0|[1-9][0-9]*)\.[0-9]{2}, never -0.00
bool IsTwoDecimalShape(std::string_view s) {
  const bool negative = !s.empty() && s[0] == '-';
  const std::string_view body = negative ? s.substr(1) : s;
  if (body.size() < 4 || body[body.size() - 3] != '.') {
    return false;
  }
  const std::string_view whole = body.substr(0, body.size() - 3);
  if (!AllDigits(whole) || !AllDigits(body.substr(body.size() - 2))) {
    return false;
  }
  if (whole.size() > 1 && whole[0] == '0') {
    return false;
  }
  return !(negative && body == "0.00");
}

// -?(0[0-9]|[1-9][0-9]+), never -00
bool IsWholeShape(std::string_view s) {
  const bool negative = !s.empty() && s[0] == '-';
  const std::string_view body = negative ? s.substr(1) : s;
  if (body.size() < 2 || !AllDigits(body)) {
    return false;
  }
  if (body.size() > 2 && body[0] == '0') {
    return false;
  }
  return !(negative && body == "00");
}

// Adds one to the decimal digit string at its last place, carrying left.
void AddOne(std::string& digits) {
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') {
    digits[--i] = '0';
  }
  if (i == 0) {
    digits.insert(digits.begin(), '1');
  } else {
    ++digits[i - 1];
  }
}

std::string ReferenceFormat(double value, int decimals) {
  if (std::isnan(value)) {
    return "nan";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-inf" : "inf";
  }
  char buffer[1100];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
  CHECK(result.ec == std::errc());
  const std::string fixed(buffer, result.ptr);
  const size_t point = fixed.find('.');
  std::string whole = fixed.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : fixed.substr(point + 1);
  // Past the 15th significant digit there are only zeros, half away from zero.
  fraction.resize(static_cast<size_t>(decimals) + 1, '0');
  std::string digits = whole + fraction.substr(0, static_cast<size_t>(decimals));
  if (fraction[static_cast<size_t>(decimals)] >= '5') {
    AddOne(digits);
  }
  const size_t nonZero = digits.find_first_not_of('0');
  digits = nonZero == std::string::npos ? "" : digits.substr(nonZero);
  const bool zero = digits.empty();
  const size_t minimum = decimals == 2 ? 3 : 2;
  if (digits.size() < minimum) {
    digits.insert(0, minimum - digits.size(), '0');
  }
  if (decimals == 2) {
    digits.insert(digits.size() - 2, ".");
  }
  return (std::signbit(value) && !zero ? "-" : "") + digits;
}

void CheckFormat(double value) {
  const std::string two = fw::Format(value, "#.00");
  const std::string whole = fw::Format(value, "00");
  CHECK(IsSpecial(two) || IsTwoDecimalShape(two));
  CHECK(IsSpecial(whole) || IsWholeShape(whole));
  CHECK(IsSpecial(two) == !std::isfinite(value));
  if (!std::isfinite(value)) {
    CHECK(two == whole);
    return;
  }
  // What is written reads back within half a cent and the rounding of the
  // shortest form and of the reading, half an ulp each.
  const double back = fw::Val(two);
  CHECK(!std::isinf(back));
  CHECK(std::fabs(back - value) <= 0.005 + std::fabs(value) * 4.5e-16);
  if (std::fabs(value) < 0x1p53) {
    CHECK(two == ReferenceFormat(value, 2));
    CHECK(whole == ReferenceFormat(value, 0));
  } else {
    // Above 2^53 the fixed form spells out the binary value, where Format
    // starts from the shortest form, at most 17 digits: check the shape.
    CHECK(whole + ".00" == two);
    const size_t sign = two[0] == '-' ? 1 : 0;
    const std::string digits = two.substr(sign, two.size() - 3 - sign);
    CHECK(digits.find_last_not_of('0') < 17);
  }
}

void CheckDecimal(std::string_view text, int32_t start) {
  fw::Decimal number{start < 0, "", start % 40};
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      number.digits += c;
    }
  }
  const std::string two = fw::Format(number, "#.00");
  const std::string whole = fw::Format(number, "00");
  CHECK(IsTwoDecimalShape(two));
  CHECK(IsWholeShape(whole));
  const size_t nonZero = number.digits.find_first_not_of('0');
  const bool zero = nonZero == std::string::npos;
  if (number.scale <= 2) {
    // Nothing to round: the digits are written as they are, then zeros.
    std::string written;
    for (const char c : two) {
      if (c != '-' && c != '.') {
        written += c;
      }
    }
    const std::string expected = zero ? "000"
                                      : number.digits.substr(nonZero) +
                                            std::string(static_cast<size_t>(2 - number.scale), '0');
    CHECK(written == (expected.size() < 3 ? std::string(3 - expected.size(), '0') : "") + expected);
    CHECK((two[0] == '-') == (number.negative && !zero));
  }
  if (zero) {
    CHECK(two == "0.00" && whole == "00");
  }
}

void CheckText(std::string_view text, int32_t start, int32_t length) {
  const int32_t len = fw::Len(text);
  CHECK(len >= 0 && static_cast<size_t>(len) <= text.size());
  CHECK(static_cast<size_t>(len) * 4 >= text.size());
  CHECK((len == 0) == text.empty());

  const std::string trimmed = fw::Trim(text);
  CHECK(text.find(trimmed) != std::string_view::npos);
  CHECK(fw::Trim(trimmed) == trimmed);
  CHECK(fw::Len(trimmed) <= len);

  const double value = fw::Val(text);
  CHECK(!std::isnan(value));
  const double trimmedValue = fw::Val(trimmed);
  CHECK(value == trimmedValue && std::signbit(value) == std::signbit(trimmedValue));

  const std::string mid = fw::Mid(text, start, length);
  const int64_t first = start < 1 ? 1 : start;
  const int64_t available = len - (first - 1);
  const int64_t expected = length <= 0 || available <= 0 ? 0 : std::min<int64_t>(length, available);
  CHECK(fw::Len(mid) == expected);
  CHECK(text.find(mid) != std::string_view::npos);

  // Pieces cut at a character boundary rebuild the text.
  const int32_t split =
      len == 0
          ? 0
          : static_cast<int32_t>(static_cast<uint32_t>(start) % static_cast<uint32_t>(len + 1));
  const std::string head = fw::Mid(text, 1, split);
  const std::string tail = fw::Mid(text, split + 1, len);
  CHECK(head + tail == text);
  CHECK(fw::Len(head) + fw::Len(tail) == len);
  CHECK(fw::Mid(text, 1, len) == text);

  const int32_t code = fw::Asc(text);
  CHECK(code >= 0 && code <= 0x10FFFF);
  CHECK(code == fw::Asc(fw::Mid(text, 1, 1)));
  if (!text.empty() && static_cast<unsigned char>(text[0]) < 0x80) {
    CHECK(code == static_cast<unsigned char>(text[0]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  int32_t start = 1;
  int32_t length = static_cast<int32_t>(size);
  if (size >= 8) {
    std::memcpy(&start, data, sizeof start);
    std::memcpy(&length, data + 4, sizeof length);
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    CheckFormat(raw);
  }
  CheckText(text, start, length);
  CheckText(text, static_cast<int32_t>(size % 7) - 2, static_cast<int32_t>(size % 5) - 1);
  CheckFormat(fw::Val(text));
  CheckDecimal(text, start);

  try {
    fw::Format(0.0, text);
    CHECK(text == "#.00" || text == "00");
  } catch (const fw::RuntimeException&) {
    CHECK(text != "#.00" && text != "00");
  }
  return 0;
}
