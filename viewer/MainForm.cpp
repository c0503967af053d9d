// The main window: its controls, start-up and end.
#include "viewer/MainForm.h"

#include "base/errors.h"
#include "base/files.h"
#include "ui/dispatch.h"
#include "ui/message_box.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/SettingsRecord.h"

namespace viewer {

ViewerState State;
TForm1* Form1 = nullptr;
MarkRecord CurrentMarks;

namespace {

constexpr int kRowHeight = 20;

// The buttons of a group one below the other.
void StackButtons(std::initializer_list<ui::Button*> buttons) {
  int top = 18;
  for (ui::Button* b : buttons) {
    b->SetBounds(8, top, 96, 24);
    top += 28;
  }
}

void StackRadios(std::initializer_list<ui::RadioButton*> radios, int left, int width) {
  int top = 18;
  for (ui::RadioButton* r : radios) {
    r->SetBounds(left, top, width, kRowHeight);
    top += kRowHeight;
  }
}

}  // namespace

TForm1::TForm1() {
  State = ViewerState{};
  ResetMarks();
  LayOut();
  BindHandlers();
  Form1 = this;
  ui::RunHandler([this] { FormCreate(); });
}

TForm1::~TForm1() {
  RunDestroyHandler();
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::LayOut() {
  SetCaption("vantrel");
  SetFont("ＭＳ ゴシック", 12);
  SetClientSize(888, 160);
  SetFixedBorder(true);
  SetBorderIcons(true, false);

  GroupBox1.SetCaption("Operation");
  GroupBox1.SetBounds(8, 4, 112, 140);
  Button1.SetCaption("開催情報");
  Button2.SetCaption("開催日オッズ");
  Button3.SetCaption("最新情報");
  Button7.SetCaption("終了");
  StackButtons({&Button1, &Button2, &Button3, &Button7});

  GroupBox2.SetCaption("Panel Open");
  GroupBox2.SetBounds(126, 4, 112, 140);
  Button4.SetCaption("馬分析");
  Button5.SetCaption("馬連分析");
  Button6.SetCaption("枠分析");
  Button8.SetCaption("設定・ヘルプ");
  StackButtons({&Button4, &Button5, &Button6, &Button8});

  GroupBox3.SetCaption("Race Track");
  GroupBox3.SetBounds(244, 4, 140, 86);
  StackRadios({&Track1, &Track2, &Track3}, 8, 124);
  Label1.SetCaption("競馬開催日");
  Label1.SetBounds(248, 96, 132, 16);
  ComboBox1.SetBounds(244, 116, 140, 24);

  GroupBox4.SetCaption("Race No.");
  GroupBox4.SetBounds(390, 4, 124, 140);
  StackRadios({&Race1, &Race2, &Race3, &Race4, &Race5, &Race6}, 8, 52);
  StackRadios({&Race7, &Race8, &Race9, &Race10, &Race11, &Race12}, 64, 52);

  GroupBox5.SetCaption("Odds 1st");
  GroupBox5.SetBounds(520, 4, 104, 140);
  StackRadios({&Time11, &Time12, &Time13, &Time14, &Time15, &Time16}, 8, 88);
  GroupBox6.SetCaption("Odds 2nd");
  GroupBox6.SetBounds(630, 4, 104, 140);
  StackRadios({&Time21, &Time22, &Time23, &Time24, &Time25, &Time26}, 8, 88);

  GroupBox7.SetCaption("Vote (Odds 2nd)");
  GroupBox7.SetBounds(740, 4, 140, 140);
  struct VoteRow {
    ui::Label* label;
    ui::Edit* edit;
    const char* text;
  };
  int top = 20;
  for (const VoteRow& row : {VoteRow{&Label2, &Edit1, "単"}, VoteRow{&Label3, &Edit2, "複"},
                             VoteRow{&Label4, &Edit3, "枠"}, VoteRow{&Label5, &Edit4, "馬"}}) {
    row.label->SetCaption(row.text);
    row.label->SetBounds(8, top + 3, 16, 16);
    row.edit->SetBounds(28, top, 100, 22);
    row.edit->SetReadOnly(true);
    top += 28;
  }

  ListBox1.SetVisible(false);
  ListBox2.SetVisible(false);
}

void TForm1::BindHandlers() {
  for (ui::RadioButton* b : {&Track1, &Track2, &Track3}) b->on_click = [this] { Track1Click(); };
  for (ui::RadioButton* b : {&Race1, &Race2, &Race3, &Race4, &Race5, &Race6, &Race7, &Race8, &Race9,
                             &Race10, &Race11, &Race12}) {
    b->on_click = [this] { Race1Click(); };
  }
  for (ui::RadioButton* b : {&Time11, &Time12, &Time13, &Time14, &Time15, &Time16}) {
    b->on_click = [this] { Time11Click(); };
  }
  for (ui::RadioButton* b : {&Time21, &Time22, &Time23, &Time24, &Time25, &Time26}) {
    b->on_click = [this] { Time21Click(); };
  }
  ComboBox1.on_change = [this] { ComboBox1Change(); };
  Button1.on_click = [this] { Button1Click(); };
  Button2.on_click = [this] { Button2Click(); };
  Button3.on_click = [this] { Button3Click(); };
  Button7.on_click = [this] { Button7Click(); };
  Button8.on_click = [this] { Button8Click(); };
  Button4.on_click = [this] { Button4Click(); };
  Button5.on_click = [this] { Button5Click(); };
  Button6.on_click = [this] { Button6Click(); };
  ListBox2.on_click = [this] { Exit1Click(); };
  on_destroy = [this] { FormDestroy(); };
}

void TForm1::FormCreate() {
  State.BaseFolder = base::CurrentDirectory();
  State.Settings = DefaultSettings();
  State.ChosenTrackIndex = 0;
  State.ChosenRaceIndex = 0;
  State.ChosenTime1Button = 0;
  State.ChosenTime2Button = 0;
  State.HorseWindowOpen = 0;
  State.QuinellaWindowOpen = 0;
  State.BracketWindowOpen = 0;
  State.TimingFolder = State.BaseFolder + "/gt_data";
  State.TimingFileName = State.Settings.TimingFile;
  ResetMainDisplay();

  // A settings file that cannot be read or made is told once; the viewer goes on with
  // the defaults and the later steps still set the folders. Only a file that is not there
  // is made: one that cannot be looked at is no missing one.
  const std::string settings_file = SettingsFilePath(ViewerProgramPath());
  try {
    if (base::FileOrNothing(settings_file)) {
      State.Settings = ReadSettingsFile(settings_file);
    } else {
      WriteSettingsFile(settings_file, State.Settings);
    }
  } catch (const base::Error& e) {
    State.Settings = DefaultSettings();
    ui::ShowError(std::string(e.what()) + "\r\nThe viewer starts with the default settings.");
  }

  const std::string work_folder = State.BaseFolder + "/wo_data";
  if (!base::PathExists(work_folder)) base::MakeDirs(work_folder);  // a failure shows later
  State.DataFolder = State.BaseFolder + "/jv_data";
  State.WorkFolder = work_folder;
  State.TimingFileName = State.Settings.TimingFile;
  BlankTrackCaptions();
  FillRaceDayList();
}

// The marks shown last reach their file here at the latest; a failure is told and the
// settings are written all the same.
void TForm1::FormDestroy() {
  try {
    SaveCurrentMarks();
  } catch (const base::Error& e) {
    ui::ShowError(e.what());
  }
  WriteSettingsFile(SettingsFilePath(ViewerProgramPath()), State.Settings);
}

}  // namespace viewer
