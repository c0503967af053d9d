#include <gtest/gtest.h>

#include <QRadioButton>
#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"
#include "ui/controls.h"
#include "ui/message_box.h"

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

}  // namespace
