// The calculation as the user reaches it: Return in the fields or the
// Calculate button, then Clear.
#include <functional>

#include "calculator/MainWindowFixture.h"

namespace {

struct Case {
  const char* percent;
  const char* value;
  Results shown;
};

// In order: each row finds the fields as the row before left them.
const Case kCases[] = {
    {"12.5", "200", {"= 25.00", "+ 225.00", "- 175.00", true}},
    {"12.5", "100", {"= 12.50", "+ 112.50", "- 87.50", true}},
    {"-20", "80", {"= 0.00", "+ 80.00", "- 80.00", true}},  // a negative percentage counts as 0
    {"150", "20", {"= 30.00", "+ 50.00", "- -10.00", true}},
    {"10", "-50", {"= -5.00", "+ -55.00", "- -45.00", true}},
    // Rounding is half away from zero on the number a person works out.
    {"12.5", "1", {"= 0.13", "+ 1.13", "- 0.88", true}},
    {"10", "26.75", {"= 2.68", "+ 29.43", "- 24.08", true}},
    {"1", "100.5", {"= 1.01", "+ 101.51", "- 99.50", true}},
    {"10", "-26.75", {"= -2.68", "+ -29.43", "- -24.08", true}},
    {"0.7", "5", {"= 0.04", "+ 5.04", "- 4.97", true}},
    {"1.5", "11", {"= 0.17", "+ 11.17", "- 10.84", true}},
    // 157.35 + 15.735 is 173.08499999999998 as a double, and 173.085 to a person.
    {"10", "157.35", {"= 15.74", "+ 173.09", "- 141.62", true}},
    {"50", "5.35", {"= 2.68", "+ 8.03", "- 2.68", true}},
    {"0", "0", {"= 0.00", "+ 0.00", "- 0.00", true}},
};

}  // namespace

TEST_F(MainWindowTest, EachWayInComputesTheTable) {
  const struct {
    const char* what;
    std::function<void(const QString& percent, const QString& value)> calculate;
    bool focusInValue;  // Return leaves the focus in the value field
  } ways[] = {
      {"Return in each field", [this](auto& p, auto& v) { CalculateByReturn(p, v); }, true},
      {"the Calculate button", [this](auto& p, auto& v) { CalculateByButton(p, v); }, false},
  };
  for (const auto& way : ways) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(way.what) + ": " + c.percent + " % of " + c.value);
      way.calculate(c.percent, c.value);
      EXPECT_EQ(window_->edValue()->Text(), c.value) << "the new value replaced the old";
      EXPECT_EQ(Shown(), c.shown);
      if (way.focusInValue) {
        EXPECT_EQ(Focused(), Field(window_->edValue())) << "the focus stays in edValue";
      }
    }
  }
}

TEST_F(MainWindowTest, ReturnInThePercentageMovesOnAndComputesNothing) {
  QLineEdit* percent = Field(window_->edPercent());
  TypeInto(Field(window_->edValue()), "200");
  TypeInto(percent, "12.5");
  Return(percent);
  EXPECT_EQ(Focused(), Field(window_->edValue()));
  EXPECT_EQ(Shown(), NoResults());
  EXPECT_EQ(window_->edPercent()->Text(), "12.5") << "Return is not typed into the field";
  EXPECT_EQ(window_->edValue()->Text(), "200");
}

TEST_F(MainWindowTest, OtherKeysNeitherMoveNorCompute) {
  QLineEdit* percent = Field(window_->edPercent());
  QLineEdit* value = Field(window_->edValue());
  percent->setText("12.5");
  value->setText("200");
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Escape, {}}, {Qt::Key_Space, {}}, {Qt::Key_Left, {}},
      {Qt::Key_Up, {}},     {Qt::Key_Down, {}},  {Qt::Key_Home, {}},
      {Qt::Key_Delete, {}}, {Qt::Key_C, {}},     {Qt::Key_C, Qt::ControlModifier}};
  for (QLineEdit* field : {percent, value}) {
    for (auto [key, modifiers] : keys) {
      SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
      field->setFocus();
      QTest::keyClick(field, key, modifiers);
      EXPECT_EQ(Focused(), field);
      EXPECT_EQ(Shown(), NoResults());
    }
  }
}

// Only the code of the key's first character counts, and only 13.
TEST_F(MainWindowTest, TheKeyHandlersActOnCode13Alone) {
  window_->edPercent()->Text("12.5");
  window_->edValue()->Text("200");
  fw::TextField& percent = *window_->edPercent();
  fw::TextField& value = *window_->edValue();
  for (const char* key : {"\x03", "\n", "", " ", "a", "\x1b", "\x0d\x0a"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(key)));
    window_->edPercent()->SetFocus();
    bool claimed = window_->edPercent_KeyDown(percent, key);
    EXPECT_FALSE(claimed);
    bool isReturn = key[0] == '\r';
    EXPECT_EQ(Focused() == Field(window_->edValue()), isReturn);
    window_->btnClear_Action(*window_->btnClear());
    window_->edPercent()->Text("12.5");
    window_->edValue()->Text("200");
    EXPECT_FALSE(window_->edValue_KeyDown(value, key));
    EXPECT_EQ(Shown().hint, isReturn);
  }
}

TEST_F(MainWindowTest, ResultsStayUntilTheNextCalculation) {
  CalculateByButton("12.5", "200");
  const Results first{"= 25.00", "+ 225.00", "- 175.00", true};
  ASSERT_EQ(Shown(), first);

  TypeInto(Field(window_->edPercent()), "50");
  TypeInto(Field(window_->edValue()), "10");
  EXPECT_EQ(Shown(), first) << "typing changes no result";
  Field(window_->edValue())->clear();
  EXPECT_EQ(Shown(), first);

  Field(window_->edValue())->setText("10");
  Click(Button(window_->btnCalc()));
  EXPECT_EQ(Shown(), (Results{"= 5.00", "+ 15.00", "- 5.00", true}));
  Click(Button(window_->btnCalc()));
  EXPECT_EQ(Shown(), (Results{"= 5.00", "+ 15.00", "- 5.00", true}))
      << "the same fields give the same texts";
  EXPECT_EQ(window_->edPercent()->Text(), "50") << "calculating leaves the fields alone";
  EXPECT_EQ(window_->edValue()->Text(), "10");
}

TEST_F(MainWindowTest, ClearEmptiesTheWindowAndStartsOverInThePercentage) {
  CalculateByReturn("12.5", "200");
  ASSERT_TRUE(Shown().hint);
  Click(Button(window_->btnClear()));

  EXPECT_EQ(window_->edPercent()->Text(), "");
  EXPECT_EQ(window_->edValue()->Text(), "");
  EXPECT_EQ(Shown(), NoResults());
  EXPECT_FALSE(window_->stClick()->Visible());
  EXPECT_EQ(Focused(), Field(window_->edPercent()));

  for (auto* label :
       {Label(window_->stAmount()), Label(window_->stPlus()), Label(window_->stMinus())}) {
    Click(label);
  }
  EXPECT_EQ(clipboardChanges_, 0) << "an empty result copies nothing";
  EXPECT_EQ(ClipboardText(), kClipboardBefore.toStdString());

  QTest::keyClicks(Focused(), "10");
  EXPECT_EQ(window_->edPercent()->Text(), "10") << "typing goes into the percentage";
  Click(Button(window_->btnClear()));
  Click(Button(window_->btnClear()));
  EXPECT_EQ(Shown(), NoResults()) << "Clear on a clear window changes nothing";

  CalculateByReturn("12.5", "100");
  EXPECT_EQ(Shown(), (Results{"= 12.50", "+ 112.50", "- 87.50", true}))
      << "the hint comes back with the next result";
}
