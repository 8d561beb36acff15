// The rules behind Calculate and a click on a result, as tables; no window
// and no display.
#include <gtest/gtest.h>

#include "calculator/PercentRules.h"

using PercentRules::CopiedText;
using PercentRules::Results;

namespace PercentRules {
void PrintTo(const Results& r, std::ostream* out) {
  *out << "{\"" << r.amount << "\", \"" << r.plus << "\", \"" << r.minus << "\"}";
}
}  // namespace PercentRules

TEST(PercentRules, CalculateFromTheFieldsTexts) {
  struct Case {
    const char* percent;
    const char* value;
    Results results;
  };
  const Case cases[] = {
      {"12.5", "200", {"= 25.00", "+ 225.00", "- 175.00"}},
      {"12.5", "100", {"= 12.50", "+ 112.50", "- 87.50"}},
      {"-20", "80", {"= 0.00", "+ 80.00", "- 80.00"}},  // a negative percentage counts as 0
      {"-0.001", "80", {"= 0.00", "+ 80.00", "- 80.00"}},
      {"150", "20", {"= 30.00", "+ 50.00", "- -10.00"}},   // above 100 is not limited
      {"10", "-50", {"= -5.00", "+ -55.00", "- -45.00"}},  // nor is a negative value
      {"0", "0", {"= 0.00", "+ 0.00", "- 0.00"}},
      // Half a cent rounds away from zero, on the number a person works out.
      {"0.7", "5", {"= 0.04", "+ 5.04", "- 4.97"}},
      {"1.5", "11", {"= 0.17", "+ 11.17", "- 10.84"}},
      {"10", "157.35", {"= 15.74", "+ 173.09", "- 141.62"}},
      // A difference much smaller than the amount, where binary error used
      // to round a half cent toward zero.
      {"98", "2.25", {"= 2.21", "+ 4.46", "- 0.05"}},
      {"95", "124.50", {"= 118.28", "+ 242.78", "- 6.23"}},
      {"107", "1303.50", {"= 1394.75", "+ 2698.25", "- -91.25"}},
      {"97.25", "3458", {"= 3362.91", "+ 6820.91", "- 95.10"}},
      {"76.9", "-355", {"= -273.00", "+ -628.00", "- -82.01"}},
      // Large values: a digit just short of half a cent stays short, and the
      // sum and difference round from the exact amount, not the rounded one.
      {"69.42", "8157322630.69", {"= 5662813370.22", "+ 13820136000.91", "- 2494509260.47"}},
      {"148.86", "406851171.93", {"= 605638654.53", "+ 1012489826.46", "- -198787482.60"}},
      {"0.01",
       "9999999999999.99",
       {"= 1000000000.00", "+ 10000999999999.99", "- 9998999999999.99"}},
      // Texts are not checked: what Val cannot read counts as 0.
      {"", "", {"= 0.00", "+ 0.00", "- 0.00"}},
      {"abc", "200", {"= 0.00", "+ 200.00", "- 200.00"}},
      {"12,5", " 200 ", {"= 24.00", "+ 224.00", "- 176.00"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.percent) + " % of " + c.value);
    EXPECT_EQ(PercentRules::Calculate(c.percent, c.value), c.results);
  }
}

TEST(PercentRules, ExactPastWhatADoubleHolds) {
  const std::string zeros(308, '0');
  EXPECT_EQ(PercentRules::Calculate("200", "1e308"),
            (Results{"= 2" + zeros + ".00", "+ 3" + zeros + ".00", "- -1" + zeros + ".00"}));
  // Each number is taken as its shortest decimal form, so 0.1 is one tenth.
  EXPECT_EQ(PercentRules::Calculate("50", "0.1"), (Results{"= 0.05", "+ 0.15", "- 0.05"}));
  EXPECT_EQ(PercentRules::Calculate("4.9e-324", "1e-300"), (Results{"= 0.00", "+ 0.00", "- 0.00"}));
  EXPECT_EQ(PercentRules::Calculate("1e303", "-5e-303"), (Results{"= -0.05", "+ -0.05", "- 0.05"}));
}

// An infinity times a factor that is not zero is an infinity of the
// product's sign; a zero factor gives 0.00, so no line is "nan".
TEST(PercentRules, AnInfinityGivesAnInfinityOrZeroOnEachLine) {
  struct Case {
    const char* percent;
    const char* value;
    Results results;
  };
  const Case cases[] = {
      {"10", "1e309", {"= inf", "+ inf", "- inf"}},
      {"10", "-1e309", {"= -inf", "+ -inf", "- -inf"}},
      {"150", "1e309", {"= inf", "+ inf", "- -inf"}},  // value * (100 - 150)
      {"100", "1e309", {"= inf", "+ inf", "- 0.00"}},
      {"0", "1e309", {"= 0.00", "+ inf", "- inf"}},
      {"-5", "-1e309", {"= 0.00", "+ -inf", "- -inf"}},  // still counts as 0
      {"1e309", "5", {"= inf", "+ inf", "- -inf"}},
      {"1e309", "-5", {"= -inf", "+ -inf", "- inf"}},
      {"1e309", "0", {"= 0.00", "+ 0.00", "- 0.00"}},
      {"1e309", "-0", {"= 0.00", "+ 0.00", "- 0.00"}},
      {"1e309", "1e309", {"= inf", "+ inf", "- -inf"}},
      {"1e309", "-1e309", {"= -inf", "+ -inf", "- inf"}},
      {"-1e309", "1e309", {"= 0.00", "+ inf", "- inf"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.percent) + " % of " + c.value);
    EXPECT_EQ(PercentRules::Calculate(c.percent, c.value), c.results);
  }
}

TEST(PercentRules, ACopiedLineLosesOneMarkAndItsBlanks) {
  const std::pair<const char*, const char*> copied[] = {
      {"= 25.00", "25.00"},   {"+ 225.00", "225.00"},
      {"- 175.00", "175.00"}, {"= -5.00", "-5.00"},
      {"+ -55.00", "-55.00"}, {"- -10.00", "-10.00"},
      {"--5", "-5"},  // one mark goes, the number keeps its sign
      {"  = 0.13\t", "0.13"}, {"5.00", "5.00"},
      {"* 5", "* 5"},         {"= ", ""},  // the blank test comes before the mark is cut
  };
  for (auto [line, expected] : copied) {
    SCOPED_TRACE(line);
    EXPECT_EQ(CopiedText(line), std::optional<fw::String>(expected));
  }
}

TEST(PercentRules, ABlankLineOrAQuestionMarkCopiesNothing) {
  for (const char* line : {"", "  ", "\t\n", "?", " ? ", "\u00a0?\u2003"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(line)));
    EXPECT_EQ(CopiedText(line), std::nullopt);
  }
}
