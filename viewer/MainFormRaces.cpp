// The main window's choices: racecourse, race and the two odds times.
#include "base/files.h"
#include "ui/message_box.h"
#include "viewer/AnalysisHeaders.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/MainForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/MainDisplay.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceChoice.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/Timing.h"
#include "viewer/logic/TrackCaption.h"

namespace viewer {

void TForm1::ChooseStoredTrackAndRace() {
  TrackButtons.Restore(State.ChosenTrackIndex);
  RaceButtons.Restore(State.ChosenRaceIndex);
}

void TForm1::Track1Click() {
  const int a = GetSelectedTrack();
  const std::string caption = GetTrackCaption(a);
  if (caption == " ") {
    ChooseStoredTrackAndRace();
    return;
  }
  State.ChosenTrackIndex = a;
  const TrackChoice track = ReadTrackCaption(caption);
  State.ChosenTrackCode = track.track_code;
  State.ChosenMeetingDay = track.meeting_day;
  ResetTrackFonts();
  HighlightTrackButton(a);

  const std::string race_file = State.DayDataFolder + "/" + State.RaceFileName;
  const std::vector<std::string> lines = base::ReadLines(race_file);
  // Record files that held no record were set aside: told once, also when a later line
  // stops the refresh.
  std::vector<SetAsideRecord> set_aside;
  auto tell = [&set_aside] {
    if (!set_aside.empty()) ui::ShowMessage(SetAsideMessage(set_aside));
  };
  try {
    RefreshRaceHeaders(lines, base::FileAgeDos(race_file), State.DayWorkFolder, State.CurrentRace,
                       race_file, &set_aside);
  } catch (...) {
    tell();
    throw;
  }
  tell();

  BlankRaceCaptions();
  const std::array<std::string, 12> captions = RaceButtonCaptions(lines, State.ChosenTrackCode);
  ui::RadioButton* const buttons[] = {&Race1, &Race2, &Race3, &Race4,  &Race5,  &Race6,
                                      &Race7, &Race8, &Race9, &Race10, &Race11, &Race12};
  for (std::size_t i = 0; i < captions.size(); ++i) buttons[i]->SetCaption(captions[i]);
  CheckRaceButton(0);
  ResetRaceFonts();
}

void TForm1::Race1Click() {
  const int a = GetSelectedRace();
  if (GetRaceCaption(a) == " ") {
    RaceButtons.Restore(State.ChosenRaceIndex);
    return;
  }
  const std::string key =
      ChosenRaceKey(State.ChosenFileDate, State.ChosenTrackCode, State.ChosenMeetingDay, a);
  // Only an odds file that is not there is missing; a folder in its place says what it is.
  if (!base::FileOrNothing(OddsFilePath(State.DayDataFolder, "JD", key))) {
    CloseOpenAnalysisWindows();
    ui::ShowMessage(kNoOddsFileMessage);
    return;
  }
  ResetRaceFonts();
  HighlightRaceButton(a);
  State.TimingFilePath = State.TimingFolder + "/" + State.TimingFileName;
  LoadChosenRace({State.DayDataFolder, State.DayWorkFolder, State.ChosenFileDate,
                  State.ChosenTrackCode, State.ChosenMeetingDay, a, State.TimingFilePath},
                 State.CurrentRace);
  if (AllSnapshotsEmpty(State.CurrentRace)) {
    BlankTime1Captions();
    BlankTime2Captions();
    CloseOpenAnalysisWindows();
    ui::ShowMessage(kNoSnapshotMessage);
    ResetRaceFonts();
    HighlightRaceButton(State.ChosenRaceIndex);
    return;
  }
  State.ChosenRaceIndex = a;

  // Every caption of both rows is set here (" " where no snapshot is filled), so that a
  // caption that stays the same is not blanked and written again.
  const TimeButtons times = PlanTimeButtons(State.CurrentRace, State.ChosenTime2Button);
  State.ChosenTime2Button = times.chosen_time2;
  ui::RadioButton* const row1[] = {&Time11, &Time12, &Time13, &Time14, &Time15, &Time16};
  ui::RadioButton* const row2[] = {&Time21, &Time22, &Time23, &Time24, &Time25, &Time26};
  for (std::size_t i = 0; i < times.captions.size(); ++i) row1[i]->SetCaption(times.captions[i]);
  for (std::size_t i = 0; i < times.captions.size(); ++i) row2[i]->SetCaption(row1[i]->Caption());

  State.ChosenTime1Button = 1;
  CheckTime1Button(1);
  CheckTime2Button(0);
  CheckTime2Button(State.ChosenTime2Button);
}

void TForm1::Time11Click() {
  const int a = GetSelectedTime1();
  if (GetTime1Caption(a) == " ") {
    Time1Buttons.Restore(State.ChosenTime1Button);
    return;
  }
  State.ChosenTime1Button = a;
  ResetTime1Fonts();
  HighlightTime1Button(a);
  CheckTime2Button(0);
  CheckTime2Button(State.ChosenTime2Button);
}

void TForm1::Time21Click() {
  const int a = GetSelectedTime2();
  if (GetTime2Caption(a) == " ") {
    Time2Buttons.Restore(State.ChosenTime2Button);
    return;
  }
  State.ChosenTime2Button = a;
  ResetTime2Fonts();
  HighlightTime2Button(a);
  const RaceOddsRecord& race = State.CurrentRace;
  State.Time2Snapshot = SnapshotOfButton(race, State.ChosenTime2Button, State.Time2Snapshot);
  State.Time1Snapshot = SnapshotOfButton(race, State.ChosenTime1Button, State.Time1Snapshot);
  const int s = State.Time2Snapshot;
  Edit1.SetText(VoteFieldText(race.WinVoteTotal(s)));
  Edit2.SetText(VoteFieldText(race.PlaceVoteTotal(s)));
  Edit3.SetText(VoteFieldText(race.BracketQuinellaVoteTotal(s)));
  Edit4.SetText(VoteFieldText(race.QuinellaVoteTotal(s)));
  WriteOpenAnalysisHeaders();
}

}  // namespace viewer
