#include <gtest/gtest.h>

#include <QEventLoop>
#include <QRadioButton>
#include <QTimer>
#include <string>
#include <vector>

#include "tests/support/accessible.h"
#include "tests/support/sjis_assert.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace {

// Three buttons in one group box, a fourth in another; every click is logged by name.
class RadioGroupTest : public ::testing::Test {
 protected:
  RadioGroupTest() {
    for (int i = 0; i < 3; ++i) {
      RadioButton& b = *buttons[i];
      b.on_click = [this, i] {
        log.push_back(i);
        // The handler sees the new state of the whole group.
        checked_in_handler = {buttons[0]->Checked(), buttons[1]->Checked(), buttons[2]->Checked()};
      };
    }
    other.on_click = [this] { log.push_back(9); };
  }
  using RadioButton = ui::RadioButton;
  ui::Form form;
  ui::GroupBox box{form};
  ui::GroupBox other_box{form};
  RadioButton b1{box}, b2{box}, b3{box};
  RadioButton other{other_box};
  RadioButton* buttons[3] = {&b1, &b2, &b3};
  std::vector<int> log;
  std::vector<bool> checked_in_handler;
};

TEST_F(RadioGroupTest, CheckingAnUncheckedButtonRunsItsHandlerOnceInsideTheCall) {
  b2.SetChecked(true);
  EXPECT_EQ(log, (std::vector<int>{1}));
  EXPECT_EQ(checked_in_handler, (std::vector<bool>{false, true, false}));
  b3.SetChecked(true);
  EXPECT_EQ(log, (std::vector<int>{1, 2}));
  EXPECT_FALSE(b2.Checked());
  EXPECT_TRUE(b3.Checked());
}

TEST_F(RadioGroupTest, CheckingTheCheckedButtonRunsNothing) {
  b1.SetChecked(true);
  b1.SetChecked(true);
  b1.Click();
  EXPECT_EQ(log, (std::vector<int>{0}));
  EXPECT_TRUE(b1.Checked());
}

TEST_F(RadioGroupTest, UncheckingTheGroupRunsNothingAndLetsTheChoiceRunAgain) {
  b2.SetChecked(true);
  b2.UncheckGroup();
  EXPECT_FALSE(b1.Checked() || b2.Checked() || b3.Checked());
  b3.SetChecked(false);
  EXPECT_EQ(log, (std::vector<int>{1}));
  // The re-run of a stored choice: uncheck the group, check the same index again.
  b2.SetChecked(true);
  EXPECT_EQ(log, (std::vector<int>{1, 1}));
}

TEST_F(RadioGroupTest, AUserClickDoesWhatSetCheckedDoes) {
  auto* qt_button = static_cast<QRadioButton*>(b3.widget());
  qt_button->click();  // Qt's own click path, as the mouse or the space key takes it
  EXPECT_EQ(log, (std::vector<int>{2}));
  EXPECT_EQ(checked_in_handler, (std::vector<bool>{false, false, true}));
  qt_button->click();  // a click on the checked button neither unchecks nor runs
  EXPECT_TRUE(b3.Checked());
  EXPECT_EQ(log, (std::vector<int>{2}));
  b1.Click();
  EXPECT_EQ(log, (std::vector<int>{2, 0}));
  EXPECT_FALSE(b3.Checked());
}

TEST_F(RadioGroupTest, GroupsOfOtherContainersAreNotTouched) {
  other.SetChecked(true);
  b1.SetChecked(true);
  b1.UncheckGroup();
  EXPECT_TRUE(other.Checked());
  EXPECT_EQ(log, (std::vector<int>{9, 0}));
}

TEST_F(RadioGroupTest, ADisabledButtonIgnoresClicksButNotTheProgram) {
  b1.SetEnabled(false);
  b1.Click();
  EXPECT_TRUE(log.empty());
  b1.SetChecked(true);
  EXPECT_EQ(log, (std::vector<int>{0}));
}

TEST_F(RadioGroupTest, AHandlerMayCheckAButtonOfTheGroupItself) {
  b1.on_click = [this] {
    log.push_back(0);
    b2.SetChecked(true);  // runs b2's handler inside this one
    log.push_back(10);
  };
  b1.SetChecked(true);
  EXPECT_EQ(log, (std::vector<int>{0, 1, 10}));
  EXPECT_FALSE(b1.Checked());
  EXPECT_TRUE(b2.Checked());
}

TEST_F(RadioGroupTest, CaptionAndCaptionColour) {
  b1.SetCaption("東京 5回 6日目");
  EXPECT_SJIS_EQ("東京 5回 6日目", b1.Caption());
  b1.SetCaption(" ");
  EXPECT_EQ(" ", b1.Caption());
  b2.SetFontColor(ui::kRed);
  EXPECT_EQ(ui::kRed, b2.FontColor());
  b2.ResetFontColor();
  EXPECT_EQ(ui::ButtonTextColor(), b2.FontColor());
  EXPECT_NE(ui::kRed, ui::ButtonTextColor());
}

// An assistive tool's press or toggle is a user's click: the same group logic, the handler
// once, and nothing on a checked button.
TEST_F(RadioGroupTest, AnAccessiblePressOrToggleDoesWhatAClickDoes) {
  for (const QString& action :
       {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
    SCOPED_TRACE(action.toStdString());
    b3.SetChecked(true);
    log.clear();
    testsupport::DoAction(b2, action);
    EXPECT_EQ(log, (std::vector<int>{1}));
    EXPECT_EQ(checked_in_handler, (std::vector<bool>{false, true, false}));
    testsupport::DoAction(b2, action);
    EXPECT_EQ(log, (std::vector<int>{1}));
    EXPECT_TRUE(b2.Checked());
    EXPECT_FALSE(b3.Checked());
    b2.UncheckGroup();
  }
}

TEST_F(RadioGroupTest, TheAccessibleInterfaceReportsARadioButtonAndItsCheckedState) {
  b2.SetChecked(true);
  for (RadioButton* b : {&b1, &b2, &b3, &other}) {
    QAccessibleInterface* button = testsupport::AccessibleOf(*b);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::RadioButton);
    EXPECT_TRUE(button->state().checkable);
    EXPECT_EQ(bool(button->state().checked), b == &b2);
  }
  b2.UncheckGroup();
  EXPECT_FALSE(testsupport::AccessibleOf(b2)->state().checked);
  b1.SetCaption("東京 5回 6日目");
  EXPECT_SJIS_EQ("東京 5回 6日目",
                 ui::internal::ToSjis(testsupport::AccessibleOf(b1)->text(QAccessible::Name)));
}

TEST_F(RadioGroupTest, ADisabledButtonOrWindowTakesNoAccessibleAction) {
  b1.SetEnabled(false);
  form.SetEnabled(false);
  for (RadioButton* b : {&b1, &b2}) {
    QAccessibleActionInterface* actions = testsupport::AccessibleOf(*b)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    actions->doAction(QAccessibleActionInterface::toggleAction());
    ui::ProcessMessages();
    EXPECT_FALSE(b->Checked());
  }
  EXPECT_TRUE(log.empty());
}

// Waits out Qt's animated click (100 ms), which an accessible press must not leave behind.
void RunMessagesFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(PushButtonTest, AnAccessiblePressRunsTheClickHandlerOnceRightAfterTheCall) {
  ui::Form form;
  ui::Button button{form};
  button.SetCaption("終了");
  int clicks = 0;
  button.on_click = [&] { ++clicks; };
  QAccessibleInterface* accessible = testsupport::AccessibleOf(button);
  EXPECT_EQ(accessible->role(), QAccessible::Button);
  EXPECT_SJIS_EQ("終了", ui::internal::ToSjis(accessible->text(QAccessible::Name)));
  accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 0);  // the call has returned first
  ui::ProcessMessages();
  EXPECT_EQ(clicks, 1);
  RunMessagesFor(150);
  EXPECT_EQ(clicks, 1);
  form.SetEnabled(false);
  accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  RunMessagesFor(150);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
