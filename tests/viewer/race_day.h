// A race day of hand-made files for the main window, 2024/06/01:
//   東京 (05, meeting 2, day 4) races 1-11 and 京都 (08, meeting 3, day 10) races 1-2;
//   東京 race 11 (3 runners, post 15:40, turf, weather 1 and going 2) has five odds
//   announcements at 10:01, 11:01, ..., 14:01 that fill slots 1-5 of the odds-timing row
//   "0,15:40,10:00,...,15:00"; 東京 race 10 has one announcement at 09:01, before its first
//   slot time; the other races have no odds files.
#pragma once
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/viewer/viewer_window.h"

namespace viewertest {

inline std::string Repeat(const std::string& text, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += (i ? "," : "") + text;
  return r;
}

// A runner line of 33 fields: racecourse name (1), race (2), horse number (3), horse name
// (7), jockey (10), trainer (12), affiliation (13), finishing order (31).
inline std::string RunnerLine(const std::string& track, const std::string& race, int horse,
                              const std::string& name, int finish = 0) {
  std::vector<std::string> f(33, " ");
  f[0] = "240601";
  f[1] = track;
  f[2] = race;
  f[3] = std::to_string(horse);
  f[7] = name;
  f[8] = "牡";
  f[9] = "3";
  f[10] = "騎手" + std::to_string(horse);
  f[11] = "57.0";
  f[12] = "調教師";
  f[13] = "美";
  f[31] = std::to_string(finish);
  f[32] = "t";
  std::string line;
  for (std::size_t i = 0; i < f.size(); ++i) line += (i ? "," : "") + f[i];
  return line;
}

inline constexpr char kTokyo11[] = "2024060105020411";
inline constexpr char kTokyo10[] = "2024060105020410";

// The win-place line of race 11's announcement at hh:01 (votes 1000000 + s, 2000 + s).
inline std::string WinPlaceLine(const std::string& key, const std::string& time, int s) {
  return key + ",4," + time + ",3," + std::to_string(1000000 + s) + "," + std::to_string(2000 + s) +
         ",2.5,1.1,1.3,3.5,1.2,1.4,9.9,2.0,3.0";
}
inline std::string QuinellaLine(const std::string& key, const std::string& time, int s) {
  return key + ",4," + time + ",3," + std::to_string(3000 + s) + ",2.5,3.75," + Repeat("7.5", 151);
}

class RaceDayTest : public ViewerWindowTest {
 protected:
  void SetUp() override {
    ViewerWindowTest::SetUp();
    std::vector<std::string> races;
    for (int r = 1; r <= 11; ++r) {
      char key[32];
      std::snprintf(key, sizeof key, "20240601050204%02d", r);
      races.push_back(RaceLine(key, "東京", r >= 10 ? 3 : 12, r >= 10 ? "15:40" : "10:00"));
    }
    races.push_back(RaceLine("2024060108031001", "京都"));
    races.push_back(RaceLine("2024060108031002", "京都"));
    testsupport::WriteFile(RaceFile(), Lines(races));
    testsupport::WriteFile(
        Day() + "/DE240601.CSV",
        Lines({RunnerLine("東京", "11", 1, "アイ"), RunnerLine("東京", "11", 2, "ウエ"),
               RunnerLine("東京", "11", 3, "オカ"), RunnerLine("東京", "1", 3, "キク")}));
    testsupport::WriteFile(run + "/gt_data/time_100a.csv",
                           Lines({"0,15:40,10:00,11:00,12:00,13:00,14:00,15:00",
                                  "2,15:40,17:00,18:00,10:30,11:30,12:30,13:30"}));
    std::vector<std::string> jd, jr;
    for (int s = 1; s <= 5; ++s) {
      const std::string time = "0601" + std::to_string(9 + s) + "01";
      jd.push_back(WinPlaceLine(kTokyo11, time, s));
      jr.push_back(QuinellaLine(kTokyo11, time, s));
    }
    testsupport::WriteFile(Day() + "/JD05242411.CSV", Lines(jd));
    testsupport::WriteFile(Day() + "/JR05242411.CSV", Lines(jr));
    testsupport::WriteFile(Day() + "/JD05242410.CSV",
                           Lines({WinPlaceLine(kTokyo10, "06010901", 1)}));
    testsupport::WriteFile(Day() + "/JR05242410.CSV",
                           Lines({QuinellaLine(kTokyo10, "06010901", 1)}));
  }

  std::string Day() const { return run + "/jv_data/20240601"; }
  std::string RaceFile() const { return Day() + "/DG240601.CSV"; }
  std::string WorkDay() const { return run + "/wo_data/20240601"; }
  std::string RecordFile(const std::string& name) const { return WorkDay() + "/" + name + ".ods"; }

  // Start-up, then 東京 and its race 11.
  void ChooseTokyo11() {
    Start();
    form->Track1.Click();
    form->Race11.Click();
  }

  std::vector<std::string> TimeCaptions(int row) const {
    std::vector<std::string> c;
    for (int i = 1; i <= 6; ++i) {
      c.push_back(row == 1 ? form->Time1Buttons.Caption(i) : form->Time2Buttons.Caption(i));
    }
    return c;
  }
  std::vector<std::string> VoteFields() const {
    return {form->Edit1.Text(), form->Edit2.Text(), form->Edit3.Text(), form->Edit4.Text()};
  }
};

}  // namespace viewertest
