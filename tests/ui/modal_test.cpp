#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/support/accessible.h"
#include "tests/support/sjis_assert.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace {

// A reading dialog: its shown handler runs a job that pumps messages, changes the caption
// and finally posts itself a close request.
class ModalTest : public ::testing::Test {
 protected:
  ModalTest() {
    main_form.Show();
    // Should the dialog never close, end the modal run so that the test fails, not hangs.
    QTimer::singleShot(10000, dialog.widget(), [this] {
      ADD_FAILURE() << "the dialog did not close itself";
      dialog.Close();
    });
  }
  ui::Form main_form;
  ui::Button start{main_form};
  ui::Form dialog{&main_form};
  std::vector<std::string> steps;
};

TEST_F(ModalTest, TheDialogClosesItselfAfterThePumpingJob) {
  dialog.on_show = [&] {
    steps.push_back(main_form.Enabled() ? "owner enabled" : "owner disabled");
    dialog.SetCursor(ui::Cursor::kAppStart);
    for (int i = 1; i <= 3; ++i) {
      ui::ProcessMessages();
      dialog.SetCaption("ダウンロード中．．．(" + std::to_string(i) + "/3)");
      steps.push_back(dialog.Caption());
    }
    dialog.SetCursor(ui::Cursor::kDefault);
    dialog.PostClose();
    steps.push_back(dialog.Visible() ? "job done, still open" : "job done, closed");
  };
  dialog.on_close = [&](ui::CloseAction& action) {
    steps.push_back("close");
    action = ui::CloseAction::kFree;
  };
  start.on_click = [&] {
    dialog.ShowModal();
    steps.push_back("modal returned");
  };
  start.Click();
  EXPECT_EQ(steps,
            (std::vector<std::string>{"owner disabled", "ダウンロード中．．．(1/3)",
                                      "ダウンロード中．．．(2/3)", "ダウンロード中．．．(3/3)",
                                      "job done, still open", "close", "modal returned"}));
  EXPECT_TRUE(main_form.Enabled());
  EXPECT_FALSE(dialog.Visible());
}

}  // namespace

namespace {

TEST_F(ModalTest, TheOwnerTakesNoClicksWhileTheDialogRuns) {
  int presses = 0;
  ui::Button other{main_form};
  other.on_click = [&] { ++presses; };
  dialog.on_show = [&] {
    other.Click();
    ui::ProcessMessages();
    dialog.PostClose();
  };
  dialog.ShowModal();
  EXPECT_EQ(presses, 0);
  other.Click();
  EXPECT_EQ(presses, 1);
}

TEST_F(ModalTest, AnErrorInTheJobIsShownAndTheDialogStaysUntilClosed) {
  ui::MessageRecorder recorder;
  dialog.on_show = [&] {
    // Closed later from the message loop, as the user's close box would.
    QTimer::singleShot(0, dialog.widget(), [&] { dialog.widget()->close(); });
    throw std::runtime_error("Cannot create file jv_data/20160305/DG160305.CSV");
  };
  dialog.ShowModal();
  EXPECT_EQ(recorder.texts(),
            (std::vector<std::string>{"Cannot create file jv_data/20160305/DG160305.CSV"}));
  EXPECT_TRUE(main_form.Enabled());
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(ModalTest, ADialogClosedInsideItsShownHandlerEndsTheModalRunAtOnce) {
  dialog.on_show = [&] { dialog.Close(); };
  dialog.ShowModal();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(main_form.Enabled());
  // A visible form cannot be made modal.
  dialog.on_show = nullptr;
  dialog.Show();
  EXPECT_THROW(dialog.ShowModal(), base::Error);
  EXPECT_TRUE(main_form.Enabled());
}

// A modal box (as QMessageBox shows one) leaves the other windows enabled, but no click or
// key reaches them; nor does an assistive tool's action or text.
TEST_F(ModalTest, AModalBoxBlocksAccessibleInputToTheOtherWindows) {
  ui::Button button{main_form};
  ui::RadioButton radio{main_form};
  ui::Edit edit{main_form};
  ui::ComboBox combo{main_form};
  combo.AddItem("2024/06/01");
  std::vector<std::string> runs;
  button.on_click = [&] { runs.push_back("button"); };
  radio.on_click = [&] { runs.push_back("radio"); };
  edit.on_change = [&] { runs.push_back("edit"); };
  combo.on_change = [&] { runs.push_back("combo"); };
  auto drive = [&] {
    testsupport::AccessibleOf(button)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    testsupport::AccessibleOf(radio)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    testsupport::AccessibleOf(edit)->setText(QAccessible::Value, QStringLiteral("1"));
    testsupport::ComboItem(combo, 0)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    ui::ProcessMessages();  // where the posted input would run
  };

  QDialog box(main_form.widget());
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &box);
  drive();
  EXPECT_TRUE(runs.empty());
  EXPECT_FALSE(radio.Checked());
  EXPECT_EQ("", edit.Text());

  box.hide();
  drive();
  EXPECT_EQ(runs, (std::vector<std::string>{"button", "radio", "edit", "combo"}));
}

}  // namespace
