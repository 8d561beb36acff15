// Copying a result: a press anywhere on a result line puts its number on the
// clipboard, mark and blanks cut away; an empty line copies nothing.
#include <optional>

#include "calculator/MainWindowFixture.h"

TEST_F(MainWindowTest, APressOnAResultCopiesExactlyItsNumber) {
  struct Case {
    const char* percent;  // nullptr: nothing calculated yet
    const char* value;
    const char* amount;  // nullptr: nothing is copied
    const char* plus;
    const char* minus;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, nullptr, nullptr},
      {"12.5", "200", "25.00", "225.00", "175.00"},
      {"10", "-50", "-5.00", "-55.00", "-45.00"},
      {"150", "20", "30.00", "50.00", "-10.00"},
      // Wider than the lines, which show them cut: copied whole.
      {"50", "123456789012345678", "61728394506172840.00", "185185183518518520.00",
       "61728394506172840.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.percent ? std::string(c.percent) + " % of " + c.value : "no result yet");
    if (c.percent) {
      CalculateByButton(c.percent, c.value);
    }
    const std::pair<fw::Ref<fw::StaticText>, const char*> lines[] = {
        {window_->stAmount(), c.amount},
        {window_->stPlus(), c.plus},
        {window_->stMinus(), c.minus}};
    for (const auto& [line, number] : lines) {
      SCOPED_TRACE(line->Name());
      const std::string before = ClipboardText();
      const int changes = clipboardChanges_;
      const std::string text = line->Text();
      QLabel* label = Label(line);
      QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, 1));
      EXPECT_EQ(ClipboardText(), number ? number : before);
      QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(1, 1));
      QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() - 2, label->height() - 2));
      EXPECT_EQ(ClipboardText(), number ? number : before);
      EXPECT_EQ(clipboardChanges_, changes + (number ? 2 : 0)) << "one copy per press";
      EXPECT_EQ(line->Text(), text) << "copying leaves the line as it was";
    }
  }
}

TEST_F(MainWindowTest, AResultWiderThanItsLineShowsItsMarkAndLeadingDigitsThenAnEllipsis) {
  CalculateByButton("50", "123456789012345678");
  const std::pair<fw::Ref<fw::StaticText>, const char*> lines[] = {
      {window_->stAmount(), "= 6172839"},
      {window_->stPlus(), "+ 1851851"},
      {window_->stMinus(), "- 6172839"}};
  for (const auto& [line, start] : lines) {
    SCOPED_TRACE(line->Text());
    const QString shown = fw::testing::ShownText(*line);
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8(start))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
  }
  CalculateByButton("12.5", "200");
  EXPECT_EQ(fw::testing::ShownText(*window_->stPlus()), QStringLiteral("+ 225.00"))
      << "a result that fits is shown whole";
}

// The blank test comes before the mark is cut: a lone mark copies the empty
// text, where a blank line or "?" leaves the clipboard as it was.
TEST_F(MainWindowTest, CopyToPutsTheLinesNumberOnTheClipboard) {
  const std::pair<const char*, std::optional<const char*>> copied[] = {
      {"= 25.00", "25.00"},
      {"+ 225.00", "225.00"},
      {"- 175.00", "175.00"},
      {"= -5.00", "-5.00"},
      {"+ -55.00", "-55.00"},
      {"- -10.00", "-10.00"},
      {"--5", "-5"},  // one mark goes, the number keeps its sign
      {"=5", "5"},
      {"  = 0.13\t", "0.13"},
      {"\u00a0+ 1.00\u3000", "1.00"},
      {"5.00", "5.00"},  // no mark, nothing cut
      {"* 5", "* 5"},
      {"= inf", "inf"},
      {"- nan", "nan"},
      {"= ", ""},
      {"", std::nullopt},
      {"?", std::nullopt},
      {"  ", std::nullopt},
      {" ? ", std::nullopt},
      {"\t\n", std::nullopt},
      {"\u00a0?\u2003", std::nullopt},
  };
  for (const auto& [text, expected] : copied) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    QGuiApplication::clipboard()->setText(kClipboardBefore);
    const int changes = clipboardChanges_;
    window_->CopyTo(text);
    EXPECT_EQ(ClipboardText(), expected ? *expected : kClipboardBefore.toStdString());
    EXPECT_EQ(clipboardChanges_, changes + (expected ? 1 : 0));
  }
}
