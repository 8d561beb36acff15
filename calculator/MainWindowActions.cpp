// The calculation, the copying of a result, Clear, the Calculator launch and
// the web link.
#include "calculator/MainWindow.h"
#include "calculator/PercentRules.h"
#include "common/SharedTexts.h"
#include "dialogs/Globals.h"
#include "gui/Applications.h"

using fw::Ref;

namespace {
constexpr int32_t kReturn = 13;

// "Calculator.app" is the entry named Calculator, else the desktop's own
// calculator ("KCalc", "MATE Calculator"), which only its category tells.
// This program is in that category too, and a second copy of it would only
// hand over to this one: its entry (the id the install rules give it) and
// any entry that starts this executable never count.
const fw::MappedApplication kCalculatorApp("Calculator.app",
                                           {.name = "Calculator",
                                            .category = "Calculator",
                                            .skippedIds = {"zazudedid-idarero.desktop"},
                                            .skipOwnExecutable = true});
}  // namespace

bool MainWindow::edPercent_KeyDown(fw::TextField&, const fw::String& key) {
  if (fw::Asc(key) == kReturn) {
    edValue()->SetFocus();
  }
  return false;
}

bool MainWindow::edValue_KeyDown(fw::TextField&, const fw::String& key) {
  if (fw::Asc(key) == kReturn) {
    Calc();
  }
  return false;
}

bool MainWindow::stPlus_MouseDown(fw::StaticText& me, int32_t, int32_t) {
  CopyTo(me.Text());
  return false;
}

bool MainWindow::stMinus_MouseDown(fw::StaticText& me, int32_t, int32_t) {
  CopyTo(me.Text());
  return false;
}

void MainWindow::btnCalc_Action(fw::PushButton&) {
  Calc();
}

void MainWindow::btnClear_Action(fw::PushButton&) {
  edPercent()->Text("");
  edValue()->Text("");
  stAmount()->Text("");
  stPlus()->Text("");
  stMinus()->Text("");
  stClick()->Visible(false);
  edPercent()->SetFocus();
}

bool MainWindow::stAmount_MouseDown(fw::StaticText& me, int32_t, int32_t) {
  CopyTo(me.Text());
  return false;
}

// The fields are read, the rule applied, then the labels written, each
// control found at the moment of use.
void MainWindow::Calc() {
  const fw::String percentText = edPercent()->Text();
  const fw::String valueText = edValue()->Text();
  const PercentRules::Results results = PercentRules::Calculate(percentText, valueText);
  stAmount()->Text(results.amount);
  stPlus()->Text(results.plus);
  stMinus()->Text(results.minus);
  stClick()->Visible(true);
}

void MainWindow::CopyTo(const fw::String& labelText) {
  const std::optional<fw::String> text = PercentRules::CopiedText(labelText);
  if (!text) {
    return;  // no clipboard object is made
  }
  Ref<fw::Clipboard> clipboard = New<fw::Clipboard>();
  clipboard->Text(*text);
  clipboard->Close();
}

void MainWindow::btnCalc1_Action(fw::PushButton&) {
  Ref<fw::FolderItem> applications = fw::SpecialFolder::Applications();
  Ref<fw::FolderItem> calculator = applications->Child("Calculator.app");
  if (calculator.IsNil() || !calculator->Exists()) {
    Globals::ErrorMsg("The application Calculator.app does not exist in the folder " +
                      fw::SpecialFolder::Applications()->AbsolutePath());
    return;
  }
  calculator->Launch(true);
  if (calculator->LastErrorCode() != 0) {
    Globals::ErrorMsg("Unable to launch Calculator application (error " +
                      fw::Str(calculator->LastErrorCode()) + ")");
  }
}

void MainWindow::stInfo2_MouseEnter(fw::StaticText& me) {
  me.MouseCursor(fw::System()->Cursors()->FingerPointer());
}

void MainWindow::stInfo2_MouseExit(fw::StaticText& me) {
  me.MouseCursor(fw::System()->Cursors()->StandardPointer());
}

bool MainWindow::stInfo2_MouseDown(fw::StaticText&, int32_t, int32_t) {
  fw::ShowURL(fw::String(WebsiteURL));
  return false;
}
