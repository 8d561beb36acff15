#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "core/Exceptions.h"
#include "core/Text.h"

namespace fw {

void PrintTo(const Decimal& d, std::ostream* out) {
  *out << "{" << (d.negative ? "-" : "+") << " \"" << d.digits << "\" scale " << d.scale << "}";
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// EXPECT_EQ on doubles cannot see the sign of zero.
void ExpectSameDouble(double expected, double actual) {
  EXPECT_EQ(expected, actual);
  EXPECT_EQ(std::signbit(expected), std::signbit(actual)) << "sign of " << actual;
}

struct ValCase {
  std::string text;
  double expected;
};

TEST(ValTest, ReadsTheLeadingDecimalNumber) {
  const std::vector<ValCase> cases = {
      {"12.5", 12.5},
      {"  12.5  ", 12.5},
      {"\t\n\v\f\r7\r\n", 7},
      {"\u00A0\u2003\u300012\u3000", 12},
      {"-12.5", -12.5},
      {"+3", 3},
      {".5", 0.5},
      {"5.", 5},
      {"-.5", -0.5},
      {"0.1", 0.1},
      {"00012", 12},
      {"1e3", 1000},
      {"1E-2", 0.01},
      {"2.5e+1", 25},
      {"12,5", 12},
      {"1,000", 1},
      {"1.2.3", 1.2},
      {"3 4", 3},
      {"12.50%", 12.5},
      {"12abc", 12},
      {"5\x01", 5},
      {"4.9e-324", std::numeric_limits<double>::denorm_min()},
      {"1e-310", 1e-310},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Val(\"" + c.text + "\")");
    ExpectSameDouble(c.expected, Val(c.text));
  }
}

TEST(ValTest, IncompleteExponentIsNotPartOfTheNumber) {
  const std::vector<ValCase> cases = {
      {"1e", 1}, {"1e+", 1}, {"1E-", 1}, {"2e-x", 2}, {"3ee5", 3}, {"4e 5", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Val(\"" + c.text + "\")");
    ExpectSameDouble(c.expected, Val(c.text));
  }
}

TEST(ValTest, NothingReadableGivesZero) {
  const std::vector<std::string> cases = {
      "",
      " ",
      "abc",
      ".",
      "-",
      "+",
      "+-3",
      "- 3",
      "e5",
      ".e5",
      "0x10",
      "inf",
      "-inf",
      "nan",
      "NaN",
      "infinity",
      "١٢",
      "\xF0\x9F\x98\x80",
      "😀5",
      "€12",
      "\x01"
      "5",
      "\x7F"
      "5",
      "\xA0"
      "5",  // an invalid byte, not U+00A0
      "\u200B"
      "5",  // zero width space is not white space
  };
  for (const auto& text : cases) {
    SCOPED_TRACE("Val(\"" + text + "\")");
    ExpectSameDouble(0.0, Val(text));
  }
}

TEST(ValTest, KeepsTheSignOfZero) {
  ExpectSameDouble(-0.0, Val("-0"));
  ExpectSameDouble(-0.0, Val("-0.000"));
  ExpectSameDouble(0.0, Val("+0"));
}

TEST(ValTest, OutOfRangeGivesInfinityOrZero) {
  const std::vector<ValCase> cases = {
      {"1e309", kInf},
      {"-1e309", -kInf},
      {"1.7976931348623159e308", kInf},
      {"1e99999999999999999999", kInf},
      {"0.0001e313", kInf},
      {"0.0001e312", 1e308},
      {"1e-400", 0.0},
      {"-1e-400", -0.0},
      {"2e-324", 0.0},
      {"1e-99999999999999999999", 0.0},
      {"1000e-327", 0.0},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Val(\"" + c.text + "\")");
    ExpectSameDouble(c.expected, Val(c.text));
  }
}

TEST(ValTest, ReadsVeryLongNumbers) {
  constexpr size_t kSize = 100000;
  const std::vector<ValCase> cases = {
      {"1" + std::string(kSize - 1, '0'), kInf},
      {"-" + std::string(kSize - 1, '7'), -kInf},
      {"0." + std::string(kSize - 3, '0') + "1", 0.0},
      {std::string(kSize - 2, '0') + "25", 25},
      {"1." + std::string(kSize - 2, '0'), 1},
      {std::string(kSize, '9') + "e-99999", 10},
      {"0." + std::string(kSize - 3, '0') + "1e99999", 10},
      {std::string(kSize, ' ') + "3", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Val of " + std::to_string(c.text.size()) + " characters");
    ExpectSameDouble(c.expected, Val(c.text));
  }
}

struct FormatCase {
  double value;
  std::string expected;
};

void ExpectFormats(const std::vector<FormatCase>& cases, std::string_view pattern) {
  for (const auto& c : cases) {
    std::ostringstream trace;
    trace.precision(17);
    trace << "Format(" << c.value << ", \"" << pattern << "\")";
    SCOPED_TRACE(trace.str());
    EXPECT_EQ(c.expected, Format(c.value, pattern));
  }
}

TEST(FormatTest, TwoDecimals) {
  ExpectFormats(
      {
          {25, "25.00"},
          {12.5, "12.50"},
          {-10, "-10.00"},
          {0, "0.00"},
          {0.5, "0.50"},
          {123456.789, "123456.79"},
          {0.1 + 0.2, "0.30"},
          {4503599627370497.0, "4503599627370497.00"},
      },
      "#.00");
}

TEST(FormatTest, TwoDecimalsRoundTheShortestFormHalfAwayFromZero) {
  ExpectFormats(
      {
          // The shortest form's digits all count: exact sums are worked out
          // before they reach Format.
          {157.35 + 15.735, "173.08"},
          {173.08499999999998, "173.08"},
          {-173.08499999999998, "-173.08"},
          {(5 * 0.7) / 100, "0.04"},
          {(11 * 1.5) / 100, "0.17"},
          {11 - (11 * 1.5) / 100, "10.84"},
          {0.99999999999999989, "1.00"},
          {173.0849999999, "173.08"},
          {2.00499999999999, "2.00"},
          // Below 2.675 in binary, but 2.675 is its shortest form.
          {2.675, "2.68"},
          {1.005, "1.01"},
          {0.125, "0.13"},
          {12.5 / 100 * 1, "0.13"},
          {0.005, "0.01"},
          {0.045, "0.05"},
          {8.345, "8.35"},
          {0.004, "0.00"},
          {0.0049999, "0.00"},
          {9.995, "10.00"},
          {0.995, "1.00"},
          {99.999, "100.00"},
          {-2.675, "-2.68"},
          {-0.005, "-0.01"},
          {1.23e-5, "0.00"},
          {1e-300, "0.00"},
          {std::numeric_limits<double>::denorm_min(), "0.00"},
      },
      "#.00");
}

TEST(FormatTest, NeverWritesNegativeZero) {
  ExpectFormats({{-0.0, "0.00"}, {-0.001, "0.00"}, {-0.00499, "0.00"}, {-1e-300, "0.00"}}, "#.00");
  ExpectFormats({{-0.0, "00"}, {-0.4, "00"}, {-1e-300, "00"}}, "00");
}

TEST(FormatTest, WritesEveryDigitOfLargeNumbers) {
  EXPECT_EQ("100000000000000000000.00", Format(1e20, "#.00"));
  EXPECT_EQ("-100000000000000000000.00", Format(-1e20, "#.00"));
  EXPECT_EQ("100000000000000000000", Format(1e20, "00"));

  const std::string big = Format(1e300, "#.00");
  EXPECT_EQ(304u, big.size());
  EXPECT_EQ("1" + std::string(300, '0') + ".00", big);

  EXPECT_EQ("17976931348623157" + std::string(292, '0') + ".00",
            Format(std::numeric_limits<double>::max(), "#.00"));
}

TEST(FormatTest, InfinityAndNaN) {
  for (const char* pattern : {"#.00", "00"}) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ("inf", Format(kInf, pattern));
    EXPECT_EQ("-inf", Format(-kInf, pattern));
    EXPECT_EQ("nan", Format(kNaN, pattern));
    EXPECT_EQ("nan", Format(-kNaN, pattern));
  }
}

TEST(FormatTest, WholeNumberOfAtLeastTwoDigits) {
  ExpectFormats(
      {
          {5, "05"},
          {7, "07"},
          {12, "12"},
          {123, "123"},
          {0, "00"},
          {-5, "-05"},
          {0.5, "01"},
          {2.5, "03"},
          {4.49, "04"},
          {99.5, "100"},
          {-12.5, "-13"},
          {9.4999999999999, "09"},
          {2.4999999999999996, "02"},  // the double below 2.5
          {123456789012345678.0, "123456789012345680"},
      },
      "00");
}

TEST(FormatTest, OtherPatternsThrowNamingThePattern) {
  for (const char* pattern : {"", "0.00", "#.##", "#.00 ", "000", "#"}) {
    SCOPED_TRACE(std::string("pattern \"") + pattern + "\"");
    for (const auto& format : {std::function<void()>([&] { Format(kNaN, pattern); }),
                               std::function<void()>([&] { Format(Decimal{}, pattern); })}) {
      try {
        format();
        ADD_FAILURE() << "no exception";
      } catch (const RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find(std::string("\"") + pattern + "\""), std::string::npos)
            << e.what();
      }
    }
  }
}

struct DecimalCase {
  Decimal number;
  std::string twoDecimals;
  std::string whole;
};

TEST(FormatTest, WritesADecimalWithEveryDigit) {
  const std::string longDigits = "123456789012345678901234567890123456789";
  const std::vector<DecimalCase> cases = {
      {{false, "12345", 2}, "123.45", "123"},
      {{true, "12345", 2}, "-123.45", "-123"},
      {{false, longDigits, 2}, longDigits.substr(0, 37) + ".89", longDigits.substr(0, 36) + "8"},
      {{false, "7", -3}, "7000.00", "7000"},
      {{false, "000123", 0}, "123.00", "123"},
      {{false, "", 0}, "0.00", "00"},
      {{true, "0", 0}, "0.00", "00"},
      {{true, "000", -5}, "0.00", "00"},
      // Past the pattern's places, half away from zero.
      {{false, "5", 3}, "0.01", "00"},
      {{true, "5", 3}, "-0.01", "00"},
      {{true, "1", 3}, "0.00", "00"},
      {{false, "4999", 5}, "0.05", "00"},
      {{false, "4499", 5}, "0.04", "00"},
      {{false, "995", 3}, "1.00", "01"},
      {{false, "9999", 2}, "99.99", "100"},
      {{true, "25", 1}, "-2.50", "-03"},
      {{false, "5", 1000}, "0.00", "00"},
      {{false, "9", std::numeric_limits<int32_t>::max()}, "0.00", "00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.number.negative ? "-" : "") + c.number.digits + " scale " +
                 std::to_string(c.number.scale));
    EXPECT_EQ(c.twoDecimals, Format(c.number, "#.00"));
    EXPECT_EQ(c.whole, Format(c.number, "00"));
  }
}

TEST(FormatTest, ADecimalOfOtherThanDigitsThrows) {
  for (const char* digits : {"-5", "1.5", "1e3", " 1", "x"}) {
    SCOPED_TRACE(digits);
    EXPECT_THROW(Format(Decimal{false, digits, 0}, "#.00"), RuntimeException);
  }
}

TEST(ShortestDecimalTest, TheDigitsThatReadBackAsTheDouble) {
  const std::vector<std::pair<double, Decimal>> cases = {
      {0.1, {false, "1", 1}},
      {2.675, {false, "2675", 3}},
      {-12.5, {true, "125", 1}},
      {0.0, {false, "0", 0}},
      {-0.0, {true, "0", 0}},
      {1e300, {false, "1", -300}},
      {123456789012345678.0, {false, "12345678901234568", -1}},
      {std::numeric_limits<double>::max(), {false, "17976931348623157", -292}},
      {std::numeric_limits<double>::denorm_min(), {false, "5", 324}},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(expected, ShortestDecimal(value));
  }
  EXPECT_THROW(ShortestDecimal(kInf), RuntimeException);
  EXPECT_THROW(ShortestDecimal(-kInf), RuntimeException);
  EXPECT_THROW(ShortestDecimal(kNaN), RuntimeException);
}

TEST(StrTest, WritesDecimal) {
  const std::vector<std::pair<int32_t, std::string>> cases = {
      {0, "0"},
      {7, "7"},
      {-43, "-43"},
      {std::numeric_limits<int32_t>::min(), "-2147483648"},
      {std::numeric_limits<int32_t>::max(), "2147483647"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(expected, Str(value));
  }
}

struct TextCase {
  std::string text;
  std::string expected;
};

TEST(TrimTest, RemovesLeadingAndTrailingWhiteSpace) {
  const std::vector<TextCase> cases = {
      {"", ""},
      {"   ", ""},
      {"abc", "abc"},
      {"  abc  ", "abc"},
      {"\t\n\v\f\rabc\r\n", "abc"},
      {" a  b\tc ", "a  b\tc"},
      {"\u0085\u00A0\u1680\u2000\u2005\u200Ax\u2028\u2029\u202F\u205F\u3000", "x"},
      {"\u3000", ""},
      {" € ", "€"},
      {"\t😀\u00A0", "😀"},
      {"\u200B x", "\u200B x"},        // zero width space is not white space
      {"\xA0 x \x85", "\xA0 x \x85"},  // invalid bytes, not U+00A0 and U+0085
      {" \xC2", "\xC2"},
      {"x\xE2\x80", "x\xE2\x80"},  // a truncated U+2000
      {std::string("\0 x \0", 5), std::string("\0 x \0", 5)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Trim(\"" + c.text + "\")");
    EXPECT_EQ(c.expected, Trim(c.text));
  }
}

TEST(LenTest, CountsCharacters) {
  const std::vector<std::pair<std::string, int32_t>> cases = {
      {"", 0},
      {"abc", 3},
      {"é", 1},
      {"€", 1},
      {"😀", 1},
      {"a€😀b", 4},
      {std::string("a\0b", 3), 3},
      {"\xFF", 1},
      {"\x80", 1},
      {"\xE2\x82", 2},          // truncated
      {"\xE2\x82x", 3},         // truncated before an ASCII byte
      {"\xC0\xAF", 2},          // overlong
      {"\xE0\x80\xAF", 3},      // overlong
      {"\xF0\x82\x82\xAC", 4},  // overlong
      {"\xED\xA0\x80", 3},      // a surrogate
      {"\xF4\x90\x80\x80", 4},  // above U+10FFFF
      {"\xF4\x8F\xBF\xBF", 1},  // U+10FFFF
      {"\xEF\xBF\xBF\xC2", 2},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE("Len(\"" + text + "\")");
    EXPECT_EQ(expected, Len(text));
  }
}

struct MidCase {
  std::string text;
  int32_t start;
  int32_t length;
  std::string expected;
};

TEST(MidTest, TakesCharactersFromAPosition) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const std::vector<MidCase> cases = {
      {"abcdef", 1, 3, "abc"},
      {"abcdef", 2, 3, "bcd"},
      {"abcdef", 6, 1, "f"},
      {"abcdef", 4, 10, "def"},
      {"abc", 1, kMax, "abc"},
      {"abcdef", 0, 2, "ab"},
      {"abcdef", -5, 2, "ab"},
      {"abcdef", kMin, 2, "ab"},
      {"abcdef", 7, 1, ""},
      {"abcdef", kMax, kMax, ""},
      {"abcdef", 2, 0, ""},
      {"abcdef", 2, -1, ""},
      {"abcdef", 2, kMin, ""},
      {"", 1, 1, ""},
      {"a€😀b", 2, 2, "€😀"},
      {"a€😀b", 3, 1, "😀"},
      {"a€😀b", 4, 5, "b"},
      {"\xFF€\xE2\x82x", 2, 1, "€"},
      {"\xFF€\xE2\x82x", 3, 1, "\xE2"},
      {"\xFF€\xE2\x82x", 4, 2, "\x82x"},
      {"\xFF€\xE2\x82x", 1, 1, "\xFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Mid(\"" + c.text + "\", " + std::to_string(c.start) + ", " +
                 std::to_string(c.length) + ")");
    EXPECT_EQ(c.expected, Mid(c.text, c.start, c.length));
  }
}

TEST(MidTest, FromTwoDropsExactlyTheFirstCharacter) {
  const std::vector<TextCase> cases = {
      {"+ 225.00", " 225.00"},
      {"- -10.00", " -10.00"},
      {"= 25.00", " 25.00"},
      {"€ 5", " 5"},
      {"x", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.expected, Mid(c.text, 2, Len(c.text)));
  }
}

TEST(MidTest, PiecesAtEverySplitRebuildTheText) {
  const std::string text = "a€\xFF😀\xE2\x82 \u3000\xC0z";
  const int32_t length = Len(text);
  ASSERT_EQ(10, length);
  for (int32_t split = 0; split <= length + 1; ++split) {
    SCOPED_TRACE(split);
    const std::string head = Mid(text, 1, split);
    const std::string tail = Mid(text, split + 1, length);
    EXPECT_EQ(text, head + tail);
    EXPECT_EQ(std::min(split, length), Len(head));
  }
}

TEST(AscTest, CodeOfTheFirstCharacter) {
  const std::vector<std::pair<std::string, int32_t>> cases = {
      {"", 0},
      {"A", 65},
      {"Abc", 65},
      {"\x7F", 127},
      {std::string("\0a", 2), 0},
      {"é", 0xE9},
      {"\u00A0", 0xA0},
      {"€", 0x20AC},
      {"😀x", 0x1F600},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF},
      {"\xFF", 0xFF},
      {"\x80", 0x80},
      {"\xE2\x82", 0xE2},
      {"\xC0\xAF", 0xC0},
      {"\xED\xA0\x80", 0xED},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE("Asc(\"" + text + "\")");
    EXPECT_EQ(expected, Asc(text));
  }
}

// Restores the C locale however the test ends.
class LocaleGuard {
 public:
  LocaleGuard() = default;
  LocaleGuard(const LocaleGuard&) = delete;
  LocaleGuard& operator=(const LocaleGuard&) = delete;
  ~LocaleGuard() { std::setlocale(LC_ALL, "C"); }
};

TEST(TextLocaleTest, ResultsDoNotFollowTheProcessLocale) {
  const auto sample = [] {
    return std::vector<std::string>{
        Format(Val("12.5"), "#.00"),
        Format(Val("12,5"), "#.00"),
        Format(Val(" -1e3 "), "#.00"),
        Format(2.675, "#.00"),
        Format(1e20, "#.00"),
        Format(-5, "00"),
        Str(-1234567),
        Format(Val("0.125"), "#.00"),
    };
  };
  const std::vector<std::string> inC = sample();

  // A locale whose decimal point is the comma, or the test compares C with
  // C; scripts/install-deps.sh generates it.
  LocaleGuard guard;
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "the de_DE.UTF-8 locale is missing: run scripts/install-deps.sh";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(inC, sample());
  ExpectSameDouble(12.5, Val("12.5"));
  ExpectSameDouble(12, Val("12,5"));
}

}  // namespace
}  // namespace fw
