#pragma once
// The real main window under the offscreen platform, with the helpers that
// drive it as a user would: typing into the fields, clicking the controls
// and reading the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "calculator/MainWindow.h"
#include "dialogs/NotifyWindow.h"
#include "support/ScopedEnv.h"
#include "support/WidgetFixture.h"

// An applications search path of its own: the user's folder (searched
// first, and the one the missing-application message names) and one
// system folder, both empty until a test adds desktop entries.
class FixtureApplications {
 public:
  explicit FixtureApplications(const std::filesystem::path& root)
      : home_(root / "data-home"),
        system_(root / "data-system"),
        dataHome_("XDG_DATA_HOME", home_.string()),
        dataDirs_("XDG_DATA_DIRS", system_.string()) {
    std::filesystem::create_directories(Folder());
    std::filesystem::create_directories(system_ / "applications");
  }
  std::filesystem::path Folder() const { return home_ / "applications"; }
  void AddEntry(const std::string& file, const std::string& text) const {
    std::ofstream(Folder() / file) << text;
  }

 private:
  std::filesystem::path home_;
  std::filesystem::path system_;
  ScopedEnv dataHome_;
  ScopedEnv dataDirs_;
};

// The open message window, or Nil.
inline fw::Ref<NotifyWindow> OpenMessage() {
  return fw::Cast<NotifyWindow>(fw::GetImplicitWindow(NotifyWindow::kFullClassName));
}

// What the clipboard holds before a test touches it: a copy that changes
// nothing leaves this in place.
inline const QString kClipboardBefore = QStringLiteral("held before");

// The three result lines and whether the hint shows.
struct Results {
  std::string amount, plus, minus;
  bool hint;
  friend bool operator==(const Results&, const Results&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Results& r) {
    return out << "{\"" << r.amount << "\", \"" << r.plus << "\", \"" << r.minus << "\", hint "
               << (r.hint ? "shown" : "hidden") << "}";
  }
};

class MainWindowTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    MakeBundle();
    QGuiApplication::clipboard()->setText(kClipboardBefore);
    clipboardChanges_ = 0;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &counter_,
                     [this] { ++clipboardChanges_; });
    window_ = MainWindow::Instance();
    Activate(*window_);
  }

  void TearDown() override {
    // A handler that raised is kept by the runtime, not seen by the test.
    if (fw::runtime::HasPendingException()) {
      auto [cls, message] = fw::runtime::Describe(fw::runtime::TakePendingException());
      ADD_FAILURE() << "a handler raised " << cls << ": " << message;
    }
    QObject::disconnect(QGuiApplication::clipboard(), nullptr, &counter_, nullptr);
    for (const auto& window : fw::OpenWindows()) {
      window->Close();
    }
    window_ = nullptr;
    WidgetTest::TearDown();
  }

  static void Activate(fw::Window& window) {
    QWidget* native = fw::testing::NativeWindow(window);
    native->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(native));
  }

  static QLineEdit* Field(const fw::Ref<fw::TextField>& field) {
    return qobject_cast<QLineEdit*>(fw::testing::NativeWidget(*field));
  }
  static QLabel* Label(const fw::Ref<fw::StaticText>& label) {
    return qobject_cast<QLabel*>(fw::testing::NativeWidget(*label));
  }
  static QPushButton* Button(const fw::Ref<fw::PushButton>& button) {
    return qobject_cast<QPushButton*>(fw::testing::NativeWidget(*button));
  }
  static QWidget* Focused() { return QApplication::focusWidget(); }

  // Clicks into the field, selects what it holds and types over it.
  static void TypeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }
  static void Return(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }
  static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  // The user's way: percentage, Return, value, Return. The value is typed
  // where Return put the focus, over whatever the field held.
  void CalculateByReturn(const QString& percent, const QString& value) {
    TypeInto(Field(window_->edPercent()), percent);
    Return(Field(window_->edPercent()));
    QTest::keyClicks(Focused(), value);
    Return(Field(window_->edValue()));
  }
  // Both fields typed, then the Calculate button.
  void CalculateByButton(const QString& percent, const QString& value) {
    TypeInto(Field(window_->edPercent()), percent);
    TypeInto(Field(window_->edValue()), value);
    Click(Button(window_->btnCalc()));
  }

  Results Shown() const {
    return {Label(window_->stAmount())->text().toStdString(),
            Label(window_->stPlus())->text().toStdString(),
            Label(window_->stMinus())->text().toStdString(),
            Label(window_->stClick())->isVisible()};
  }
  static Results NoResults() { return {"", "", "", false}; }

  static std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

  fw::Ref<MainWindow> window_;
  int clipboardChanges_ = 0;

 private:
  QObject counter_;
};
