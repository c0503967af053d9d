// The main window in-process on a temporary folder: "run" is the current directory (its
// jv_data, wo_data and gt_data), "prog" the program's folder (its settings file). Today is
// 2024/06/01 unless a test sets another day; message boxes are recorded.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/files.h"
#include "tests/support/temp_dir.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "viewer/AnalysisHeaders.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/MainForm.h"
#include "viewer/SettingForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/SettingsRecord.h"

namespace viewertest {

inline void SetToday(const base::Date& day) {
  base::SetClock([day] { return base::DateTime{day, 12, 0, 0}; });
}

class ViewerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base::MakeDirs(run);
    base::MakeDirs(prog);
    cd.emplace(run);
    viewer::SetViewerProgramPath(prog + "/vantrel");
    SetToday({2024, 6, 1});
  }
  void TearDown() override {
    ui::ProcessMessages();  // what the last handlers posted (a freed window, a report)
    viewer::DestroyAnalysisWindows();
    form5.reset();
    form.reset();
    viewer::HorseWindowHeader = {};
    viewer::QuinellaWindowHeader = {};
    viewer::BracketWindowHeader = {};
    base::SetClock({});
    viewer::SetViewerProgramPath("");
  }
  // Makes the main window, then the hidden settings window, as the program starts (their
  // creation handlers run).
  void Start() {
    form = std::make_unique<viewer::TForm1>();
    form5 = std::make_unique<viewer::TForm5>();
  }

  std::vector<std::string> Texts() const { return messages.texts(); }
  std::string SettingsFile() const { return prog + "/vantrel.cfg"; }

  testsupport::TempDir dir;
  const std::string run = dir / "run";
  const std::string prog = dir / "prog";
  std::optional<testsupport::ScopedCurrentDir> cd;
  ui::MessageRecorder messages;
  std::unique_ptr<viewer::TForm1> form;
  std::unique_ptr<viewer::TForm5> form5;
};

// File contents: lines ending in CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

// A race line of 18 fields: key, year, month, day, racecourse name, race, ordinal, race
// name, condition, surface, distance, runners, post time, data kind, weather, turf going,
// dirt going, "t".
inline std::string RaceLine(const std::string& key, const std::string& track_name, int runners = 3,
                            const std::string& post_time = "15:40", const std::string& kind = "7",
                            const std::string& race_name = "特別") {
  return key + ",2024,06,01," + track_name + "," + key.substr(14, 2) + ",第1回," + race_name +
         ",３歳,芝　左,2400," + std::to_string(runners) + "," + post_time + "," + kind + ",1,2,3,t";
}

inline int32_t Int32At(const std::string& bytes, std::size_t offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return static_cast<int32_t>(v);
}

// The text of a length-prefixed field.
inline std::string ShortStringAt(const std::string& bytes, std::size_t offset) {
  return bytes.substr(offset + 1, static_cast<unsigned char>(bytes.at(offset)));
}

}  // namespace viewertest
