// Copying a result: a click on a result line puts its number on the
// clipboard, mark and blanks cut away; an empty line copies nothing.
#include "calculator/MainWindowFixture.h"

TEST_F(MainWindowTest, AClickOnAResultCopiesExactlyItsNumber) {
  struct Case {
    const char* percent;
    const char* value;
    const char* amount;
    const char* plus;
    const char* minus;
  };
  const Case cases[] = {
      {"12.5", "200", "25.00", "225.00", "175.00"},
      {"10", "-50", "-5.00", "-55.00", "-45.00"},
      {"150", "20", "30.00", "50.00", "-10.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.percent) + " % of " + c.value);
    CalculateByButton(c.percent, c.value);
    const std::pair<fw::Ref<fw::StaticText>, const char*> lines[] = {
        {window_->stAmount(), c.amount},
        {window_->stPlus(), c.plus},
        {window_->stMinus(), c.minus}};
    for (const auto& [line, number] : lines) {
      SCOPED_TRACE(line->Text());
      int before = clipboardChanges_;
      // Anywhere on the line: a press copies, wherever it lands.
      QLabel* label = Label(line);
      QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, 1));
      EXPECT_EQ(ClipboardText(), number);
      QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(1, 1));
      QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() - 2, label->height() - 2));
      EXPECT_EQ(ClipboardText(), number);
      EXPECT_EQ(clipboardChanges_, before + 2) << "one copy per press";
      EXPECT_EQ(line->Text().substr(2), number) << "copying leaves the line as it was";
    }
  }
}

TEST_F(MainWindowTest, AnEmptyResultCopiesNothing) {
  for (auto* label :
       {Label(window_->stAmount()), Label(window_->stPlus()), Label(window_->stMinus())}) {
    Click(label);
  }
  EXPECT_EQ(clipboardChanges_, 0);
  EXPECT_EQ(ClipboardText(), kClipboardBefore.toStdString());
}

TEST_F(MainWindowTest, CopyToCutsOneMarkAndTheBlanks) {
  const std::pair<const char*, const char*> copied[] = {
      {"= 25.00", "25.00"}, {"+ 225.00", "225.00"}, {"- 175.00", "175.00"},
      {"= -5.00", "-5.00"}, {"+ -55.00", "-55.00"}, {"- -10.00", "-10.00"},
      {"--5", "-5"},  // one mark goes, the number keeps its sign
      {"=5", "5"},          {"  = 0.13\t", "0.13"}, {"\u00a0+ 1.00\u3000", "1.00"},
      {"5.00", "5.00"},  // no mark, nothing cut
      {"* 5", "* 5"},       {"= inf", "inf"},       {"- nan", "nan"},
  };
  for (auto [text, expected] : copied) {
    SCOPED_TRACE(text);
    int before = clipboardChanges_;
    window_->CopyTo(text);
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_EQ(clipboardChanges_, before + 1);
  }
}

TEST_F(MainWindowTest, CopyToIgnoresBlankTextAndTheQuestionMark) {
  for (const char* text : {"", "?", "  ", " ? ", "\t\n", "\u00a0?\u2003"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    window_->CopyTo(text);
    EXPECT_EQ(clipboardChanges_, 0);
    EXPECT_EQ(ClipboardText(), kClipboardBefore.toStdString());
  }
}

// The test for nothing comes before the mark is cut: a lone mark empties the
// clipboard rather than leaving the old text.
TEST_F(MainWindowTest, CopyToOfALoneMarkCopiesTheEmptyText) {
  window_->CopyTo("= ");
  EXPECT_EQ(clipboardChanges_, 1);
  EXPECT_EQ(ClipboardText(), "");
}
