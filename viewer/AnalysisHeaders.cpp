#include "viewer/AnalysisHeaders.h"

#include <exception>
#include <string>

#include "viewer/AnalysisWindow.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/logic/MainDisplay.h"
#include "viewer/ViewerState.h"

namespace viewer {

AnalysisHeader HorseWindowHeader;
AnalysisHeader QuinellaWindowHeader;
AnalysisHeader BracketWindowHeader;

namespace {

void Set(const AnalysisHeader& h, int k, const std::string& text) {
  if (h.Edit[k]) h.Edit[k]->SetText(text);
}

void SetCaption(const AnalysisHeader& h, AnalysisWindow kind) {
  if (h.window) h.window->SetCaption(AnalysisWindowCaption(kind, State.CurrentRace));
}

std::string TrackText() { return GetTrackCaption(State.ChosenTrackIndex); }
std::string RaceText() { return GetRaceCaption(State.ChosenRaceIndex); }
std::string Time1Text() { return GetTime1Caption(State.ChosenTime1Button); }
std::string Time2Text() { return GetTime2Caption(State.ChosenTime2Button); }

void WriteHorseHeader(const AnalysisHeader& h) {
  const RaceOddsRecord& race = State.CurrentRace;
  SetCaption(h, AnalysisWindow::kHorse);
  Set(h, 6, race.Surface());
  Set(h, 8, race.TurnDirection());
  Set(h, 7, race.Distance());
  Set(h, 1, TrackText());
  Set(h, 2, RaceText());
  Set(h, 4, Time1Text());
  Set(h, 3, Time2Text());
  Set(h, 9, WeatherText(race.WeatherGoing()));
  if (h.Edit[6]) h.Edit[6]->SetText(h.Edit[6]->Text() + GoingSuffix(race.WeatherGoing()));
}

void WriteQuinellaHeader(const AnalysisHeader& h) {
  const RaceOddsRecord& race = State.CurrentRace;
  SetCaption(h, AnalysisWindow::kQuinella);
  Set(h, 5, race.Surface());
  Set(h, 6, race.TurnDirection());
  Set(h, 7, race.Distance());
  Set(h, 1, TrackText());
  Set(h, 2, RaceText());
  Set(h, 3, Time2Text());
  Set(h, 4, Time1Text());
}

void WriteBracketHeader(const AnalysisHeader& h) {
  SetCaption(h, AnalysisWindow::kBracket);
  Set(h, 1, TrackText());
  Set(h, 2, RaceText());
  Set(h, 3, Time2Text());
  Set(h, 4, Time1Text());
}

// One window's header: an error in it (its change handlers rebuild the window) is reported,
// and the other windows still get theirs.
void WriteApart(void (*write)(const AnalysisHeader&), const AnalysisHeader& h) {
  try {
    write(h);
  } catch (const std::exception& e) {
    ReportFailure(e.what());
  }
}

void CloseIfOpen(uint8_t open, const AnalysisHeader& h) {
  if (open == 1 && h.window) h.window->Close();
}

}  // namespace

void WriteOpenAnalysisHeaders() {
  if (State.HorseWindowOpen == 1) WriteApart(WriteHorseHeader, HorseWindowHeader);
  if (State.QuinellaWindowOpen == 1) WriteApart(WriteQuinellaHeader, QuinellaWindowHeader);
  if (State.BracketWindowOpen == 1) WriteApart(WriteBracketHeader, BracketWindowHeader);
}

void CloseOpenAnalysisWindows() {
  CloseIfOpen(State.HorseWindowOpen, HorseWindowHeader);
  CloseIfOpen(State.QuinellaWindowOpen, QuinellaWindowHeader);
  CloseIfOpen(State.BracketWindowOpen, BracketWindowHeader);
}

}  // namespace viewer
