// The windows on a dark palette and with a large application font: every
// label's text stays readable and unclipped; at the default font and palette
// nothing changes.
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

#include "calculator/MainWindowFixture.h"
#include "common/AppObject.h"
#include "core/Contrast.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/Globals.h"

using fw::Ref;
using fw::testing::NativeWidget;
using fw::testing::NativeWindow;

namespace {

fw::Color ToColor(const QColor& c) {
  return fw::Color{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                   static_cast<uint8_t>(c.blue())};
}

QPalette DarkPalette(QRgb window, QRgb text) {
  QPalette p;
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
    p.setColor(role, QColor(window));
  }
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    p.setColor(role, QColor(text));
  }
  return p;
}

constexpr const char* kMessage =
    "The application Calculator.app does not exist in the folder "
    "/home/someone/.local/share/applications";

}  // namespace

class ThemesAndFonts : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    MakeBundle();
    RegisterAppObject();
    palette_ = QApplication::palette();
    font_ = QApplication::font();
  }
  void TearDown() override {
    for (const auto& window : fw::OpenWindows()) {
      window->Close();
    }
    ReleaseWindowsAndMenuBar();
    QApplication::setPalette(palette_);
    QApplication::setFont(font_);
    WidgetTest::TearDown();
  }

  // The three windows, each with every text it can show.
  static std::vector<Ref<fw::Window>> OpenEach() {
    Ref<MainWindow> main = MainWindow::Instance();
    main->edPercent()->Text("12.5");
    main->edValue()->Text("123456789");
    main->btnCalc()->Push();
    main->FileAbout_Action();
    Ref<fw::Window> about = fw::GetImplicitWindow(AboutWindow::kFullClassName);
    Globals::ErrorMsg(kMessage);
    return {main, about, OpenMessage()};
  }

  static std::vector<Ref<fw::StaticText>> LabelsOf(const fw::Window& window) {
    std::vector<Ref<fw::StaticText>> labels;
    for (const auto& control : window.Controls()) {
      if (auto label = fw::Cast<fw::StaticText>(control); !label.IsNil()) {
        labels.push_back(label);
      }
    }
    return labels;
  }

  QPalette palette_;
  QFont font_;
};

TEST_F(ThemesAndFonts, DarkPalettesKeepEveryLabelReadable) {
  struct Case {
    const char* name;
    QRgb window, text;
  } cases[] = {
      {"GTK dark", 0x323232, 0xEEEEEC},
      {"KDE-like dark", 0x323232, 0xEFF0F1},
      {"near black", 0x101010, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QApplication::setPalette(DarkPalette(c.window, c.text));
    for (const auto& window : OpenEach()) {
      ASSERT_FALSE(window.IsNil());
      for (const auto& label : LabelsOf(*window)) {
        SCOPED_TRACE(label->Name());
        QWidget* widget = NativeWidget(*label);
        QColor background = widget->palette().color(widget->backgroundRole());
        EXPECT_EQ(background, QColor(c.window));
        double ratio =
            fw::ContrastRatio(ToColor(fw::testing::DrawnTextColor(*label)), ToColor(background));
        EXPECT_GE(ratio, fw::kReadableContrast);
      }
    }
    for (const auto& window : fw::OpenWindows()) {
      window->Close();
    }
  }
}

// A platform theme (GTK's, say) makes its dark palette the style's standard
// one, so the light default cannot be told by asking the style.
class ThemedStyle : public QProxyStyle {
 public:
  explicit ThemedStyle(const QPalette& palette) : QProxyStyle("Fusion"), palette_(palette) {}
  QPalette standardPalette() const override { return palette_; }

 private:
  QPalette palette_;
};

TEST_F(ThemesAndFonts, ADarkPaletteThatTheStyleCallsStandardKeepsLabelsReadable) {
  const QPalette dark = DarkPalette(0x323232, 0xEEEEEC);
  QApplication::setStyle(new ThemedStyle(dark));
  QApplication::setPalette(dark);
  auto windows = OpenEach();
  for (const char* name : {"StaticText2", "stAmount", "stInfo2"}) {
    SCOPED_TRACE(name);
    QColor drawn = fw::testing::DrawnTextColor(*windows[0]->Control<fw::StaticText>(name));
    EXPECT_GE(fw::ContrastRatio(ToColor(drawn), ToColor(QColor(0x323232))), fw::kReadableContrast);
  }
  QApplication::setStyle("Fusion");
}

TEST_F(ThemesAndFonts, TheDefaultPaletteDrawsTheLayoutsColours) {
  const std::pair<const char*, QRgb> expected[] = {
      {"StaticText2", 0x000000}, {"stAmount", 0x004080}, {"stPlus", 0x004080},
      {"stMinus", 0x004080},     {"stClick", 0x008000},  {"stInfo2", 0x0000FF},
  };
  auto windows = OpenEach();
  for (const auto& [name, rgb] : expected) {
    SCOPED_TRACE(name);
    EXPECT_EQ(fw::testing::DrawnTextColor(*windows[0]->Control<fw::StaticText>(name)), QColor(rgb));
  }
  for (const char* name : {"stEmail", "stURL"}) {
    EXPECT_EQ(fw::testing::DrawnTextColor(*windows[1]->Control<fw::StaticText>(name)),
              QColor(0x0000FF));
  }
}

TEST_F(ThemesAndFonts, ALargeFontGrowsTheLayoutSoThatNoTextIsClipped) {
  QApplication::setFont(QFont("DejaVu Sans", 14));
  const double scale = fw::testing::LayoutScale();
  ASSERT_GT(scale, 1.5);
  auto windows = OpenEach();
  EXPECT_EQ(fw::testing::ContentArea(*windows[0])->size(),
            QSize(std::lround(490 * scale), std::lround(149 * scale)));
  EXPECT_EQ(fw::testing::ContentArea(*windows[1])->size(),
            QSize(std::lround(356 * scale), std::lround(164 * scale)));
  for (const auto& window : windows) {
    for (const auto& control : window->Controls()) {
      SCOPED_TRACE(control->Name());
      QWidget* widget = NativeWidget(*control);
      QFontMetrics metrics = widget->fontMetrics();
      if (auto* label = qobject_cast<QLabel*>(widget)) {
        QRect room = label->contentsRect();
        if (label->wordWrap()) {
          QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, label->text());
          EXPECT_LE(needed.height(), room.height());
        } else {
          EXPECT_LE(metrics.horizontalAdvance(label->text()), room.width());
          EXPECT_LE(metrics.height(), room.height());
        }
      } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(metrics.horizontalAdvance(button->text()), room.width());
      } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_LE(metrics.height(), field->height());
      }
    }
  }
  // The texts of a fixed size grew with the rest.
  QWidget* link = NativeWidget(*windows[0]->Control<fw::StaticText>("stInfo2"));
  EXPECT_EQ(link->font().pixelSize(), std::lround(11 * scale));
}

TEST_F(ThemesAndFonts, ASmallerFontShrinksNothing) {
  QApplication::setFont(QFont("DejaVu Sans", 7));
  EXPECT_EQ(fw::testing::LayoutScale(), 1.0);
  auto windows = OpenEach();
  EXPECT_EQ(fw::testing::ContentArea(*windows[0])->size(), QSize(490, 149));
  EXPECT_EQ(NativeWidget(*windows[0]->Control<fw::StaticText>("stAmount"))->geometry(),
            QRect(319, 45, 151, 20));
  EXPECT_EQ(NativeWidget(*windows[0]->Control<fw::StaticText>("stInfo2"))->font().pixelSize(), 11);
}
