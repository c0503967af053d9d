// The radio-button groups of the main window through DispCTRL's functions, and the
// clearing of the main display.
#include <gtest/gtest.h>

#include <functional>

#include "tests/viewer/viewer_window.h"
#include "ui/color.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/RadioFamily.h"

namespace {

using viewer::TForm1;

// One group: its six functions and its buttons.
struct Family {
  const char* name;
  int count;
  std::function<std::vector<ui::RadioButton*>(TForm1&)> buttons;
  void (*blank)();
  void (*reset_fonts)();
  void (*highlight)(int);
  int (*selected)();
  void (*check)(int);
  std::string (*caption)(int);
};
// A failing case names its group.
void PrintTo(const Family& f, std::ostream* os) { *os << f.name; }

const Family kFamilies[] = {
    {"Track", 3,
     [](TForm1& f) {
       return std::vector<ui::RadioButton*>{&f.Track1, &f.Track2, &f.Track3};
     },
     viewer::BlankTrackCaptions, viewer::ResetTrackFonts, viewer::HighlightTrackButton,
     viewer::GetSelectedTrack, viewer::CheckTrackButton, viewer::GetTrackCaption},
    {"Race", 12,
     [](TForm1& f) {
       return std::vector<ui::RadioButton*>{&f.Race1, &f.Race2,  &f.Race3,  &f.Race4,
                                            &f.Race5, &f.Race6,  &f.Race7,  &f.Race8,
                                            &f.Race9, &f.Race10, &f.Race11, &f.Race12};
     },
     viewer::BlankRaceCaptions, viewer::ResetRaceFonts, viewer::HighlightRaceButton,
     viewer::GetSelectedRace, viewer::CheckRaceButton, viewer::GetRaceCaption},
    {"Time1", 6,
     [](TForm1& f) {
       return std::vector<ui::RadioButton*>{&f.Time11, &f.Time12, &f.Time13,
                                            &f.Time14, &f.Time15, &f.Time16};
     },
     viewer::BlankTime1Captions, viewer::ResetTime1Fonts, viewer::HighlightTime1Button,
     viewer::GetSelectedTime1, viewer::CheckTime1Button, viewer::GetTime1Caption},
    {"Time2", 6,
     [](TForm1& f) {
       return std::vector<ui::RadioButton*>{&f.Time21, &f.Time22, &f.Time23,
                                            &f.Time24, &f.Time25, &f.Time26};
     },
     viewer::BlankTime2Captions, viewer::ResetTime2Fonts, viewer::HighlightTime2Button,
     viewer::GetSelectedTime2, viewer::CheckTime2Button, viewer::GetTime2Caption},
};

class FamilyTest : public viewertest::ViewerWindowTest,
                   public ::testing::WithParamInterface<Family> {
 protected:
  void SetUp() override {
    ViewerWindowTest::SetUp();
    Start();
    buttons = GetParam().buttons(*form);
    // Every handler of the group counts its runs and remembers the checked button.
    for (ui::RadioButton* b : buttons) {
      b->on_click = [this] { runs.push_back(GetParam().selected()); };
    }
  }
  std::vector<ui::RadioButton*> buttons;
  std::vector<int> runs;
};

TEST_P(FamilyTest, CheckingRunsTheHandlerOnlyForAnUncheckedButton) {
  const Family& f = GetParam();
  const int n = f.count;
  ASSERT_EQ(static_cast<int>(buttons.size()), n);
  f.check(n);
  EXPECT_EQ(runs, std::vector<int>{n});
  f.check(n);  // already checked: nothing
  EXPECT_EQ(runs, std::vector<int>{n});
  f.check(1);  // another one: the group's others are unchecked
  EXPECT_EQ(runs, (std::vector<int>{n, 1}));
  EXPECT_FALSE(buttons[n - 1]->Checked());
  f.check(0);  // none, no handler
  EXPECT_EQ(f.selected(), 0);
  EXPECT_EQ(runs.size(), 2u);
  f.check(0);
  f.check(1);  // a choice re-run: 0 then the index runs it once
  EXPECT_EQ(runs, (std::vector<int>{n, 1, 1}));
  for (int i : {-1, n + 1, 99}) f.check(i);  // ignored
  EXPECT_EQ(f.selected(), 1);
  EXPECT_EQ(runs.size(), 3u);
}

TEST_P(FamilyTest, CaptionsAndColours) {
  const Family& f = GetParam();
  const int n = f.count;
  buttons[1]->SetCaption("x");
  EXPECT_EQ(f.caption(2), "x");
  EXPECT_EQ(f.caption(0), " ");
  EXPECT_EQ(f.caption(n + 1), "");
  EXPECT_EQ(f.caption(-1), "");
  f.blank();
  for (int i = 1; i <= n; ++i) EXPECT_EQ(f.caption(i), " ");

  f.highlight(2);
  f.highlight(n + 1);
  f.highlight(0);
  for (int i = 1; i <= n; ++i) {
    EXPECT_EQ(buttons[i - 1]->FontColor(), i == 2 ? ui::kRed : ui::ButtonTextColor()) << i;
  }
  f.highlight(n);
  EXPECT_EQ(buttons[n - 1]->FontColor(), ui::kRed);
  EXPECT_EQ(buttons[1]->FontColor(), ui::kRed);  // a highlight resets no other button
  f.reset_fonts();
  for (ui::RadioButton* b : buttons) EXPECT_EQ(b->FontColor(), ui::ButtonTextColor());
  EXPECT_TRUE(runs.empty());
}

INSTANTIATE_TEST_SUITE_P(Groups, FamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(RadioFamilyTest, OfSeveralCheckedButtonsTheHighestWins) {
  // Buttons of two containers can both be checked; the family reports the higher one.
  ui::Form form;
  ui::GroupBox a(form);
  ui::GroupBox b(form);
  ui::RadioButton first(a);
  ui::RadioButton second(b);
  viewer::RadioFamily family({&first, &second});
  first.SetChecked(true);
  second.SetChecked(true);
  EXPECT_EQ(family.Selected(), 2);
  second.SetChecked(false);
  EXPECT_EQ(family.Selected(), 1);
}

TEST(RadioFamilyTest, ARestoreOfABlankButtonLeavesTheGroupUnchecked) {
  ui::Form form;
  ui::RadioButton one(form);
  ui::RadioButton two(form);
  viewer::RadioFamily family({&one, &two});
  int runs = 0;
  one.on_click = two.on_click = [&] { ++runs; };
  one.SetCaption("a");
  two.SetCaption(" ");
  two.SetChecked(true);
  runs = 0;
  family.Restore(1);  // unchecked, then checked again: runs once
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(one.Checked());
  family.Restore(2);  // blank: not checked
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(family.Selected(), 0);
  family.Restore(0);
  EXPECT_EQ(family.Selected(), 0);
  EXPECT_EQ(runs, 1);
}

class MainDisplayTest : public viewertest::ViewerWindowTest {};

TEST_F(MainDisplayTest, ResetClearsTheChoiceButKeepsTheRaceAndTimeColours) {
  Start();
  for (ui::RadioButton* b : {&form->Track2, &form->Race5, &form->Time13, &form->Time24}) {
    b->on_click = nullptr;
    b->SetCaption("x");
    b->SetChecked(true);
    b->SetFontColor(ui::kRed);
  }
  form->Edit1.SetText("1");
  form->Edit4.SetText("4");
  viewer::ResetMainDisplay();
  for (ui::RadioButton* b : {&form->Track2, &form->Race5, &form->Time13, &form->Time24}) {
    EXPECT_EQ(b->Caption(), " ");
    EXPECT_FALSE(b->Checked());
  }
  EXPECT_EQ(form->Track2.FontColor(), ui::ButtonTextColor());
  EXPECT_EQ(form->Race5.FontColor(), ui::kRed);
  EXPECT_EQ(form->Time13.FontColor(), ui::kRed);
  for (ui::Edit* e : {&form->Edit1, &form->Edit2, &form->Edit3, &form->Edit4}) {
    EXPECT_EQ(e->Text(), " ");
  }
}

TEST_F(MainDisplayTest, TheControlsOfTheMainWindow) {
  Start();
  EXPECT_EQ(form->GroupBox1.Caption(), "Operation");
  EXPECT_EQ(form->GroupBox2.Caption(), "Panel Open");
  EXPECT_EQ(form->GroupBox3.Caption(), "Race Track");
  EXPECT_EQ(form->GroupBox4.Caption(), "Race No.");
  EXPECT_EQ(form->GroupBox5.Caption(), "Odds 1st");
  EXPECT_EQ(form->GroupBox6.Caption(), "Odds 2nd");
  EXPECT_EQ(form->GroupBox7.Caption(), "Vote (Odds 2nd)");
  const std::pair<ui::Button*, const char*> buttons[] = {
      {&form->Button1, "開催情報"}, {&form->Button2, "開催日オッズ"}, {&form->Button3, "最新情報"},
      {&form->Button7, "終了"},     {&form->Button4, "馬分析"},       {&form->Button5, "馬連分析"},
      {&form->Button6, "枠分析"},   {&form->Button8, "設定・ヘルプ"}};
  for (auto [button, caption] : buttons) EXPECT_EQ(button->Caption(), caption);
  EXPECT_EQ(form->Label1.Caption(), "競馬開催日");
  EXPECT_EQ(form->Label2.Caption(), "単");
  EXPECT_EQ(form->Label5.Caption(), "馬");
  EXPECT_FALSE(form->ListBox1.Visible());
  EXPECT_FALSE(form->ListBox2.Visible());
  // Without a chosen race an analysis window's button only tells so.
  for (ui::Button* b : {&form->Button4, &form->Button5, &form->Button6}) b->Click();
  EXPECT_EQ(Texts(), std::vector<std::string>(3, viewer::kNoRaceChosenMessage));
}

}  // namespace
