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
      // Texts are not checked: what Val cannot read counts as 0.
      {"", "", {"= 0.00", "+ 0.00", "- 0.00"}},
      {"abc", "200", {"= 0.00", "+ 200.00", "- 200.00"}},
      {"12,5", " 200 ", {"= 24.00", "+ 224.00", "- 176.00"}},
      // The product is a double before it is divided: it overflows.
      {"200", "1e308", {"= inf", "+ inf", "- -inf"}},
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
