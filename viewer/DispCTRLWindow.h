// The window part of DispCTRL: the main display's clearing and the functions of the four
// radio-button groups of the main window (racecourses Track1-3, races Race1-12, first
// odds times Time11-16, second odds times Time21-26). They reach the controls through the
// main window instance Form1 and hold no state of their own; RadioFamily says what each
// kind of function does.
#pragma once
#include <string>

namespace viewer {

// Edit1 to Edit4 (the vote totals) " ".
void ClearVoteEdits();
// Racecourse captions blank, unchecked, colours reset; race and both time rows blank and
// unchecked (their colours kept); vote fields blank.
void ResetMainDisplay();

void BlankTrackCaptions();
void ResetTrackFonts();
void HighlightTrackButton(int i);
int GetSelectedTrack();
void CheckTrackButton(int i);
std::string GetTrackCaption(int i);

void BlankRaceCaptions();
void ResetRaceFonts();
void HighlightRaceButton(int i);
int GetSelectedRace();
void CheckRaceButton(int i);
std::string GetRaceCaption(int i);

void BlankTime1Captions();
void ResetTime1Fonts();
void HighlightTime1Button(int i);
int GetSelectedTime1();
void CheckTime1Button(int i);
std::string GetTime1Caption(int i);

void BlankTime2Captions();
void ResetTime2Fonts();
void HighlightTime2Button(int i);
int GetSelectedTime2();
void CheckTime2Button(int i);
std::string GetTime2Caption(int i);

}  // namespace viewer
