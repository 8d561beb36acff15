// Whatever the fields hold, Calculate writes results by the text functions'
// rules (Val reads the longest leading decimal number, else 0; a negative
// percentage counts as 0; an infinity gives inf, -inf or 0.00, never nan or
// "-0.00") and the window keeps working afterwards.
#include <QClipboard>

#include "calculator/MainWindowFixture.h"

namespace {

struct Case {
  std::string what;
  std::string percent;
  std::string value;
  std::string amount, plus, minus;
};

std::vector<Case> Cases() {
  const std::string huge(100000, '9');
  const std::string zeros(292, '0');
  const std::string longTail = "12.5" + std::string(100000 - 4, 'x');
  return {
      {"empty percentage", "", "200", "0.00", "200.00", "200.00"},
      {"empty value", "12.5", "", "0.00", "0.00", "0.00"},
      {"both empty", "", "", "0.00", "0.00", "0.00"},
      {"blanks only", "   ", " \t ", "0.00", "0.00", "0.00"},
      {"letters", "abc", "200", "0.00", "200.00", "200.00"},
      {"letters as value", "12.5", "twelve", "0.00", "0.00", "0.00"},
      {"a number then letters", "12.5abc", "200", "25.00", "225.00", "175.00"},
      {"1e309 percentage", "1e309", "1", "inf", "inf", "-inf"},
      {"1e309 value", "10", "1e309", "inf", "inf", "inf"},
      {"-1e309 percentage counts as 0", "-1e309", "200", "0.00", "200.00", "200.00"},
      {"-1e309 value", "10", "-1e309", "-inf", "-inf", "-inf"},
      {"a product past the largest double", "200", "1.7976931348623157e308",
       "35953862697246314" + zeros + ".00", "53930794045869471" + zeros + ".00",
       "-17976931348623157" + zeros + ".00"},
      {"nan is no number", "nan", "200", "0.00", "200.00", "200.00"},
      {"inf is no number", "inf", "200", "0.00", "200.00", "200.00"},
      {"-inf value is no number", "12.5", "-inf", "0.00", "0.00", "0.00"},
      {"-0 percentage", "-0", "200", "0.00", "200.00", "200.00"},
      {"-0 value", "10", "-0", "0.00", "0.00", "0.00"},
      {"a result that rounds to zero", "1", "-0.1", "0.00", "-0.10", "-0.10"},
      {"hexadecimal", "0x10", "200", "0.00", "200.00", "200.00"},
      {"hexadecimal value", "10", "0x10", "0.00", "0.00", "0.00"},
      {"Arabic-Indic digits", "\u0661\u0662", "200", "0.00", "200.00", "200.00"},
      {"decimal comma", "12,5", "200", "24.00", "224.00", "176.00"},
      {"thousands separator", "10", "1,000", "0.10", "1.10", "0.90"},
      {"exponent", "1e3", "1", "10.00", "11.00", "-9.00"},
      {"an exponent without digits", "1e", "200", "2.00", "202.00", "198.00"},
      {"an underflow", "1e-400", "200", "0.00", "200.00", "200.00"},
      {"every digit of a large number", "10", "1e20", "10000000000000000000.00",
       "110000000000000000000.00", "90000000000000000000.00"},
      {"white space controls around", "\t12.5\v", "\f200\r", "25.00", "225.00", "175.00"},
      {"Unicode blanks around", "\u00a012.5\u2003", "\u3000200\u202f", "25.00", "225.00", "175.00"},
      {"a control character first",
       "\x01"
       "12",
       "200", "0.00", "200.00", "200.00"},
      {"a control character after", "12\x07", "200", "24.00", "224.00", "176.00"},
      {"an emoji first",
       "\U0001F600"
       "12",
       "200", "0.00", "200.00", "200.00"},
      {"an emoji after", "12\U0001F600", "200", "24.00", "224.00", "176.00"},
      {"100,000 nines", huge, "1", "inf", "inf", "-inf"},
      {"a number and 99,996 letters", "10", longTail, "1.25", "13.75", "11.25"},
  };
}

}  // namespace

TEST_F(MainWindowTest, AnyTextGivesResultsByTheTextRulesAndTheWindowGoesOn) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    Field(window_->edPercent())->setText(QString::fromStdString(c.percent));
    Field(window_->edValue())->setText(QString::fromStdString(c.value));
    Click(Button(window_->btnCalc()));
    EXPECT_EQ(Shown(), (Results{"= " + c.amount, "+ " + c.plus, "- " + c.minus, true}));
    ASSERT_FALSE(fw::runtime::HasPendingException()) << "a handler raised";

    Click(Label(window_->stMinus()));
    EXPECT_EQ(ClipboardText(), c.minus);

    Click(Button(window_->btnClear()));
    CalculateByReturn("12.5", "200");
    EXPECT_EQ(Shown(), (Results{"= 25.00", "+ 225.00", "- 175.00", true})) << "afterwards";
  }
}

// A field sets no limit on its length: a paste past Qt's default of 32,767
// characters is read whole.
TEST_F(MainWindowTest, AHugePasteIsReadWholeLikeTypedText) {
  const struct {
    const char* what;
    QString pasted;
    Results shown;
  } cases[] = {
      {"100,000 nines", QString(100000, QLatin1Char('9')), {"= inf", "+ inf", "- -inf", true}},
      {"99,996 blanks and 12.5",
       QString(99996, QLatin1Char(' ')) + QStringLiteral("12.5"),
       {"= 25.00", "+ 225.00", "- 175.00", true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Click(Button(window_->btnClear()));
    QGuiApplication::clipboard()->setText(c.pasted);
    QLineEdit* percent = Field(window_->edPercent());
    QTest::keyClick(percent, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->edPercent()->Text().empty(); }, 1000));
    EXPECT_EQ(window_->edPercent()->Text(), c.pasted.toStdString()) << "the field holds it all";
    Return(percent);
    EXPECT_EQ(Focused(), Field(window_->edValue()));
    QTest::keyClicks(Focused(), "200");
    Return(Field(window_->edValue()));
    EXPECT_EQ(Shown(), c.shown);
  }

  Click(Button(window_->btnClear()));
  EXPECT_EQ(window_->edPercent()->Text(), "");
  CalculateByReturn("12.5", "200");
  EXPECT_EQ(Shown(), (Results{"= 25.00", "+ 225.00", "- 175.00", true}));
}
