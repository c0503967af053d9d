// The main window driven through the accessibility interface, as a screen-reader user or a
// GUI test tool drives it: the same choices, handlers and state as clicks and picks.
#include <gtest/gtest.h>

#include "tests/support/accessible.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/race_day.h"
#include "viewer/DispCTRLWindow.h"

namespace {

using viewer::State;

using AccessibleMainFormTest = viewertest::RaceDayTest;

// The racecourse, race and time buttons.
std::vector<const ui::RadioButton*> RadioButtons(const viewer::TForm1& form) {
  std::vector<const ui::RadioButton*> buttons;
  for (const ui::GroupBox* box :
       {&form.GroupBox3, &form.GroupBox4, &form.GroupBox5, &form.GroupBox6}) {
    buttons.insert(buttons.end(), box->radio_buttons().begin(), box->radio_buttons().end());
  }
  return buttons;
}

// What a choice leaves behind: the checked buttons and captions of the four groups, the
// chosen indexes, the vote fields, the current record and the messages.
std::vector<std::string> ChoiceState(const viewer::TForm1& form,
                                     const std::vector<std::string>& messages) {
  std::vector<std::string> state;
  for (const ui::RadioButton* b : RadioButtons(form)) {
    state.push_back(b->Caption() + (b->Checked() ? " checked" : "") +
                    (b->FontColor() == ui::kRed ? " red" : ""));
  }
  for (int index : {State.ChosenTrackIndex, State.ChosenRaceIndex, State.ChosenTime1Button,
                    State.ChosenTime2Button, State.Time1Snapshot, State.Time2Snapshot}) {
    state.push_back(std::to_string(index));
  }
  for (const ui::Edit* edit : {&form.Edit1, &form.Edit2, &form.Edit3, &form.Edit4}) {
    state.push_back(edit->Text());
  }
  state.push_back(State.CurrentRace.bytes());
  state.insert(state.end(), messages.begin(), messages.end());
  return state;
}

TEST_F(AccessibleMainFormTest, ARacePressedOrToggledThroughItIsChosenAsByAClick) {
  Start();
  form->Track1.Click();
  form->Race11.Click();
  const std::vector<std::string> after_click = ChoiceState(*form, Texts());
  ASSERT_EQ(State.ChosenRaceIndex, 11);

  int runs = 0;
  const std::function<void()> race_click = form->Race11.on_click;
  form->Race11.on_click = [&] {
    ++runs;
    race_click();
  };
  for (const QString& action :
       {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
    SCOPED_TRACE(action.toStdString());
    // From the racecourse's fresh state, as after the click above.
    form->Track1.UncheckGroup();
    form->Track1.Click();
    runs = 0;
    testsupport::DoAction(form->Race11, action);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(ChoiceState(*form, Texts()), after_click);
    EXPECT_EQ(base::ReadFileBytes(RecordFile("05020411")), State.CurrentRace.bytes());
  }
}

TEST_F(AccessibleMainFormTest, AToggleOfTheCheckedRaceRunsNothing) {
  ChooseTokyo11();
  form->Time13.Click();
  const std::vector<std::string> before = ChoiceState(*form, Texts());
  int runs = 0;
  form->Race11.on_click = [&] { ++runs; };
  testsupport::DoAction(form->Race11, QAccessibleActionInterface::toggleAction());
  testsupport::DoAction(form->Race11, QAccessibleActionInterface::pressAction());
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(form->Race11.Checked());
  EXPECT_EQ(ChoiceState(*form, Texts()), before);
}

TEST_F(AccessibleMainFormTest, TheRadioButtonsReportTheirRoleAndCheckedState) {
  ChooseTokyo11();
  const std::vector<const ui::RadioButton*> buttons = RadioButtons(*form);
  ASSERT_EQ(buttons.size(), 3u + 12u + 6u + 6u);
  int checked = 0;
  for (const ui::RadioButton* b : buttons) {
    SCOPED_TRACE(testsupport::Readable(b->Caption()));
    QAccessibleInterface* button = testsupport::AccessibleOf(*b);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::RadioButton);
    EXPECT_EQ(bool(button->state().checked), b->Checked());
    checked += button->state().checked ? 1 : 0;
  }
  EXPECT_EQ(checked, 4);  // 東京, 11R and the two times
}

TEST_F(AccessibleMainFormTest, ADayChosenInTheDayComboThroughItIsApplied) {
  testsupport::WriteFile(run + "/jv_data/20240525/DG240525.CSV",
                         viewertest::Lines({viewertest::RaceLine("2024052509020301", "阪神")}));
  Start();
  ASSERT_EQ(form->ComboBox1.Items(), (std::vector<std::string>{"2024/06/01", "2024/05/25"}));
  testsupport::DoAction(testsupport::ComboItem(form->ComboBox1, 1),
                        QAccessibleActionInterface::pressAction());
  EXPECT_EQ(form->ComboBox1.Text(), "2024/05/25");
  EXPECT_EQ(State.ChosenFileDate, "240525");
  EXPECT_SJIS_EQ("阪神 2回 3日目", form->Track1.Caption());
  EXPECT_EQ(form->Track2.Caption(), " ");

  // The day typed into the combo's field through it.
  QAccessibleInterface* field = testsupport::ComboField(form->ComboBox1);
  ASSERT_NE(field, nullptr);
  field->setText(QAccessible::Value, QStringLiteral("2024/06/01"));
  ui::ProcessMessages();
  EXPECT_EQ(State.ChosenFileDate, "240601");
  EXPECT_SJIS_EQ("東京 2回 4日目", form->Track1.Caption());
  EXPECT_TRUE(Texts().empty());
}

TEST_F(AccessibleMainFormTest, APushButtonsPressRunsItsHandlerOnce) {
  Start();
  testsupport::DoAction(form->Button7, QAccessibleActionInterface::pressAction());
  // The end's confirmation, answered with Cancel: the window stays.
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kExitConfirmation});
}

}  // namespace
