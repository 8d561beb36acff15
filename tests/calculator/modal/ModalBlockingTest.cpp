// Built with QTEST_QPA_MOUSE_HANDLING: clicks go through the windowing layer
// as real input does, so an application-modal window blocks the others.
#include <QTest>

#include "calculator/MainWindow.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/Globals.h"
#include "dialogs/NotifyWindow.h"

#ifndef QTEST_QPA_MOUSE_HANDLING
#error "these tests need clicks through the windowing layer"
#endif

using fw::Ref;
using fw::testing::NativeWidget;

class ModalMessage : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    MakeBundle();
    RegisterAppObject();
    main_ = MainWindow::Instance();
    main_->edPercent()->Text("10");
    main_->edValue()->Text("200");
  }

  static void Click(const Ref<fw::Control>& control) {
    QTest::mouseClick(NativeWidget(*control), Qt::LeftButton);
  }

  Ref<MainWindow> main_;
};

TEST_F(ModalMessage, BlocksTheMainWindowUntilOk) {
  Globals::ErrorMsg("The Calculator application was not found.");
  Ref<NotifyWindow> message = NotifyWindow::Instance();
  Click(main_->btnCalc());
  EXPECT_EQ(main_->stAmount()->Text(), "") << "Calculate ran behind the message window";
  EXPECT_FALSE(main_->stClick()->Visible());
  EXPECT_TRUE(message->IsOpen());

  Click(message->btnOk());
  EXPECT_FALSE(message->IsOpen()) << "OK takes the click the main window did not";
  Click(main_->btnCalc());
  EXPECT_EQ(main_->stAmount()->Text(), "= 20.00");
}
