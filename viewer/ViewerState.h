// The unit-level variables of MainForm through which the viewer's windows share the
// folders, the current choice of day, racecourse, race and odds times, the chosen race's
// record and the settings. Everything is zero or empty when the program starts (the main
// window's creation resets it); all of it is read and written on the window thread only.
#pragma once
#include <cstdint>
#include <string>

#include "viewer/logic/RaceOddsRecord.h"
#include "viewer/logic/SettingsRecord.h"

namespace viewer {

struct ViewerState {
  std::string BaseFolder;        // the current directory when the main window was made
  std::string TimingFolder;      // BaseFolder "/gt_data"
  std::string TimingFileName;    // the current odds-timing file (not cut to 32 bytes)
  std::string TimingFilePath;    // TimingFolder "/" TimingFileName, built at a race choice
  std::string DataFolder;        // BaseFolder "/jv_data"
  std::string WorkFolder;        // BaseFolder "/wo_data"
  std::string DayDataFolder;     // DataFolder "/" the chosen race day
  std::string DayWorkFolder;     // WorkFolder "/" the chosen race day
  std::string RaceFileName;      // "DG" ChosenFileDate ".CSV"
  std::string ChosenFileDate;    // yymmdd of the chosen day
  std::string ChosenTrackCode;   // two digits
  std::string ChosenMeetingDay;  // "0", the meeting digit, the day of the meeting (2)
  // Button positions of the last choices, 0 for none; they survive day and racecourse
  // changes and restore a choice.
  int32_t ChosenTrackIndex = 0;   // 1-3
  int32_t ChosenRaceIndex = 0;    // 1-12
  int32_t ChosenTime1Button = 0;  // 1-6
  int32_t ChosenTime2Button = 0;  // 1-6
  // The snapshots of CurrentRace whose SlotNumber are the two chosen buttons.
  int32_t Time1Snapshot = 0;
  int32_t Time2Snapshot = 0;
  // 1 while the analysis window exists.
  uint8_t HorseWindowOpen = 0;
  uint8_t QuinellaWindowOpen = 0;
  uint8_t BracketWindowOpen = 0;
  RaceOddsRecord CurrentRace;
  SettingsRecord Settings;
};

extern ViewerState State;

}  // namespace viewer
