#include "viewer/DispCTRLWindow.h"

#include "viewer/MainForm.h"

namespace viewer {

void ClearVoteEdits() {
  Form1->Edit1.SetText(" ");
  Form1->Edit2.SetText(" ");
  Form1->Edit3.SetText(" ");
  Form1->Edit4.SetText(" ");
}

void ResetMainDisplay() {
  BlankTrackCaptions();
  CheckTrackButton(0);
  ResetTrackFonts();
  BlankRaceCaptions();
  CheckRaceButton(0);
  BlankTime1Captions();
  CheckTime1Button(0);
  BlankTime2Captions();
  CheckTime2Button(0);
  ClearVoteEdits();
}

void BlankTrackCaptions() { Form1->TrackButtons.BlankCaptions(); }
void ResetTrackFonts() { Form1->TrackButtons.ResetFonts(); }
void HighlightTrackButton(int i) { Form1->TrackButtons.Highlight(i); }
int GetSelectedTrack() { return Form1->TrackButtons.Selected(); }
void CheckTrackButton(int i) { Form1->TrackButtons.Check(i); }
std::string GetTrackCaption(int i) { return Form1->TrackButtons.Caption(i); }

void BlankRaceCaptions() { Form1->RaceButtons.BlankCaptions(); }
void ResetRaceFonts() { Form1->RaceButtons.ResetFonts(); }
void HighlightRaceButton(int i) { Form1->RaceButtons.Highlight(i); }
int GetSelectedRace() { return Form1->RaceButtons.Selected(); }
void CheckRaceButton(int i) { Form1->RaceButtons.Check(i); }
std::string GetRaceCaption(int i) { return Form1->RaceButtons.Caption(i); }

void BlankTime1Captions() { Form1->Time1Buttons.BlankCaptions(); }
void ResetTime1Fonts() { Form1->Time1Buttons.ResetFonts(); }
void HighlightTime1Button(int i) { Form1->Time1Buttons.Highlight(i); }
int GetSelectedTime1() { return Form1->Time1Buttons.Selected(); }
void CheckTime1Button(int i) { Form1->Time1Buttons.Check(i); }
std::string GetTime1Caption(int i) { return Form1->Time1Buttons.Caption(i); }

void BlankTime2Captions() { Form1->Time2Buttons.BlankCaptions(); }
void ResetTime2Fonts() { Form1->Time2Buttons.ResetFonts(); }
void HighlightTime2Button(int i) { Form1->Time2Buttons.Highlight(i); }
int GetSelectedTime2() { return Form1->Time2Buttons.Selected(); }
void CheckTime2Button(int i) { Form1->Time2Buttons.Check(i); }
std::string GetTime2Caption(int i) { return Form1->Time2Buttons.Caption(i); }

}  // namespace viewer
