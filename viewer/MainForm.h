// The viewer's main window TForm1: the fetch and window buttons, the race-day combo and
// the four radio-button groups of the choice (racecourse, race, first and second odds
// time), the vote totals of the second time, and the handlers of the choice.
#pragma once
#include <string>

#include "ui/controls.h"
#include "ui/form.h"
#include "viewer/RadioFamily.h"
#include "viewer/logic/MarkRecord.h"

namespace viewer {

class TForm1 : public ui::Form {
 public:
  // Makes the window and its controls, sets Form1 and runs FormCreate (hidden; the
  // application shows it).
  TForm1();
  ~TForm1() override;  // runs FormDestroy

  // Start-up and end.
  void FormCreate();
  void FormDestroy();

  // The race-day list and the racecourse buttons.
  void FillRaceDayList();
  void ComboBox1Change();
  void ApplyDay(const std::string& day_text);
  void LabelTrackButtons(const std::string& file_date);

  // The choices.
  void Track1Click();
  void Race1Click();
  void Time11Click();
  void Time21Click();

  // The buttons.
  void Button1Click();  // storepull, then the day list anew
  void Button3Click();  // cardpull for the day, then the racecourse and race again
  void Button2Click();  // pricepull for the day, then the racecourse and race again
  void Button7Click();  // ends the program after a confirmation
  void Exit1Click();    // ends the program at once
  void Button8Click();  // shows the settings and help window
  void Button4Click();  // opens the per-horse window
  void Button5Click();  // opens the quinella window
  void Button6Click();  // opens the bracket window

  // Controls (containers before the controls they hold).
  ui::GroupBox GroupBox1{*this};  // "Operation"
  ui::Button Button1{GroupBox1};
  ui::Button Button2{GroupBox1};
  ui::Button Button3{GroupBox1};
  ui::Button Button7{GroupBox1};
  ui::GroupBox GroupBox2{*this};  // "Panel Open"
  ui::Button Button4{GroupBox2};
  ui::Button Button5{GroupBox2};
  ui::Button Button6{GroupBox2};
  ui::Button Button8{GroupBox2};
  ui::GroupBox GroupBox3{*this};  // "Race Track"
  ui::RadioButton Track1{GroupBox3};
  ui::RadioButton Track2{GroupBox3};
  ui::RadioButton Track3{GroupBox3};
  ui::Label Label1{*this};  // "競馬開催日"
  ui::ComboBox ComboBox1{*this};
  ui::GroupBox GroupBox4{*this};  // "Race No."
  ui::RadioButton Race1{GroupBox4};
  ui::RadioButton Race2{GroupBox4};
  ui::RadioButton Race3{GroupBox4};
  ui::RadioButton Race4{GroupBox4};
  ui::RadioButton Race5{GroupBox4};
  ui::RadioButton Race6{GroupBox4};
  ui::RadioButton Race7{GroupBox4};
  ui::RadioButton Race8{GroupBox4};
  ui::RadioButton Race9{GroupBox4};
  ui::RadioButton Race10{GroupBox4};
  ui::RadioButton Race11{GroupBox4};
  ui::RadioButton Race12{GroupBox4};
  ui::GroupBox GroupBox5{*this};  // "Odds 1st"
  ui::RadioButton Time11{GroupBox5};
  ui::RadioButton Time12{GroupBox5};
  ui::RadioButton Time13{GroupBox5};
  ui::RadioButton Time14{GroupBox5};
  ui::RadioButton Time15{GroupBox5};
  ui::RadioButton Time16{GroupBox5};
  ui::GroupBox GroupBox6{*this};  // "Odds 2nd"
  ui::RadioButton Time21{GroupBox6};
  ui::RadioButton Time22{GroupBox6};
  ui::RadioButton Time23{GroupBox6};
  ui::RadioButton Time24{GroupBox6};
  ui::RadioButton Time25{GroupBox6};
  ui::RadioButton Time26{GroupBox6};
  ui::GroupBox GroupBox7{*this};  // "Vote (Odds 2nd)"
  ui::Label Label2{GroupBox7};    // "単"
  ui::Label Label3{GroupBox7};    // "複"
  ui::Label Label4{GroupBox7};    // "枠"
  ui::Label Label5{GroupBox7};    // "馬"
  ui::Edit Edit1{GroupBox7};
  ui::Edit Edit2{GroupBox7};
  ui::Edit Edit3{GroupBox7};
  ui::Edit Edit4{GroupBox7};
  ui::ListBox ListBox1{*this};  // hidden: the work list of the racecourse buttons
  ui::ListBox ListBox2{*this};  // hidden: its click ends the program (Exit1Click)

  // The radio-button groups, as DispCTRL reaches them.
  RadioFamily TrackButtons{{&Track1, &Track2, &Track3}};
  RadioFamily RaceButtons{{&Race1, &Race2, &Race3, &Race4, &Race5, &Race6, &Race7, &Race8, &Race9,
                           &Race10, &Race11, &Race12}};
  RadioFamily Time1Buttons{{&Time11, &Time12, &Time13, &Time14, &Time15, &Time16}};
  RadioFamily Time2Buttons{{&Time21, &Time22, &Time23, &Time24, &Time25, &Time26}};

 private:
  void LayOut();
  void BindHandlers();
  // The reload after cardpull and pricepull: the stored racecourse and race chosen anew.
  void ChooseStoredTrackAndRace();
};

// The main window; set before its creation handler runs, nullptr when there is none.
extern TForm1* Form1;

// The horse marks of the race whose key is MarkKey (UmaForm), shared by the per-horse and
// the quinella window; zeroed when the main window is made.
extern MarkRecord CurrentMarks;

// The messages of the main window.
inline constexpr char kNoRaceFileMessage[] = "開催情報ファイルがありません";
inline constexpr char kNoOddsFileMessage[] = "オッズファイルがありません";
inline constexpr char kNoSnapshotMessage[] = "最初のオッズ取得時間前なので、取得オッズはありません";
inline constexpr char kNoRaceChosenMessage[] = "レース番号を選択してください";
inline constexpr char kExitConfirmation[] = "終了します。\r\nよろしければ”はい”を押してください";

}  // namespace viewer
