// A realistic race day on disk for the viewer's benchmarks: 36 races of 18 runners at
// three racecourses (codes 03, 05 and 09), with the odds files of 1,000 announcements of
// 東京 (05) race 11, the odds-timing file and the race records of the day.
#pragma once
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceChoice.h"
#include "viewer/logic/RaceHeader.h"

namespace benchday {

inline constexpr char kFileDate[] = "240601";

// A fresh folder under the system's temporary folder, removed at exit.
struct BenchDir {
  std::string path;
  BenchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vantrel-bench-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~BenchDir() { std::filesystem::remove_all(path); }
};

inline std::string Key(int track, int race) {
  char key[32];
  std::snprintf(key, sizeof key, "20240601%02d0204%02d", track, race);
  return key;
}

inline std::string Odds(int digits_before, int value) {
  char t[32];
  std::snprintf(t, sizeof t, "%0*d.%d", digits_before, value / 10, value % 10);
  return t;
}

// The 1,000 announcement times: 400 on the day before from 11:00, 600 on the race day from
// 05:40 to 15:39, one a minute.
inline std::vector<std::string> AnnounceTimes() {
  std::vector<std::string> times;
  char t[16];
  for (int i = 0; i < 400; ++i) {
    std::snprintf(t, sizeof t, "0531%02d%02d", 11 + i / 60, i % 60);
    times.push_back(t);
  }
  for (int i = 0; i < 600; ++i) {
    int m = 5 * 60 + 40 + i;
    std::snprintf(t, sizeof t, "0601%02d%02d", m / 60, m % 60);
    times.push_back(t);
  }
  return times;
}

inline std::vector<std::string> JdLines(const std::string& key) {
  std::vector<std::string> lines;
  int n = 0;
  for (const auto& at : AnnounceTimes()) {
    std::string l =
        key + ",4," + at + ",18," + std::to_string(1000000 + n) + "," + std::to_string(2000000 + n);
    for (int h = 1; h <= 18; ++h) {
      l += "," + Odds(3, 15 + 37 * h + n % 7) + "," + Odds(3, 11 + 5 * h) + "," +
           Odds(3, 19 + 9 * h);
    }
    lines.push_back(l);
    ++n;
  }
  return lines;
}

inline std::vector<std::string> PairLines(const std::string& key, int pairs, int width) {
  std::vector<std::string> lines;
  int n = 0;
  for (const auto& at : AnnounceTimes()) {
    std::string l = key + ",4," + at + ",18," + std::to_string(500000 + n);
    for (int p = 0; p < pairs; ++p) l += "," + Odds(width - 1, 50 + 131 * p + n % 11);
    lines.push_back(l);
    ++n;
  }
  return lines;
}

inline std::string Text(const std::vector<std::string>& lines) {
  std::string t;
  for (const auto& l : lines) t += l + "\r\n";
  return t;
}

inline std::vector<std::string> RaceLines() {
  std::vector<std::string> lines;
  for (int track : {5, 9, 3}) {
    for (int race = 1; race <= 12; ++race) {
      char post[8];
      std::snprintf(post, sizeof post, "%02d:%02d", 10 + race / 2, (race % 2) * 30);
      lines.push_back(Key(track, race) + ",2024,06,01,東京," + std::to_string(race) +
                      ",第91回,東京優駿,３歳(牡)(指定),芝　左,2400,18," + post + ",7,1,1,9,t");
    }
  }
  return lines;
}

// A day folder of 36 races, with the odds files of race 11 at 東京.
struct Day {
  BenchDir dir;
  viewer::RaceChoice choice;
  std::vector<std::string> race_lines = RaceLines();
  Day() {
    choice = {dir.path + "/jv_data/20240601",
              dir.path + "/wo_data/20240601",
              kFileDate,
              "05",
              "0204",
              11,
              dir.path + "/gt_data/time_100a.csv"};
    base::MakeDirs(choice.day_data_folder);
    base::MakeDirs(dir.path + "/gt_data");
    base::WriteFileAtomic(choice.day_data_folder + "/DG240601.CSV", Text(race_lines));
    std::vector<std::string> runners;
    for (const auto& race : race_lines) {
      for (int h = 1; h <= 18; ++h) {
        runners.push_back("240601,東京," + race.substr(15, 1) + "," + std::to_string(h) +
                          ",\" \",\" \",\" \",ウマノナマエ,牡,3,騎手名,57.0,調教師名,美,父,"
                          "　,　,　,　,4,　,01,1,\" \",\" \",\" \",\" \",a,b,480,2.34,0,t");
      }
    }
    base::WriteFileAtomic(choice.day_data_folder + "/DE240601.CSV", Text(runners));
    std::vector<std::string> timing;
    for (int m = 9 * 60; m < 17 * 60; m += 5) {
      char band[8];
      std::snprintf(band, sizeof band, "%02d:%02d", m / 60, m % 60);
      timing.push_back(std::string("0,") + band + ",09:00,11:00,13:00,14:30,15:20,15:38");
      timing.push_back(std::string("2,") + band + ",15:00,17:00,09:00,13:00,15:20,15:38");
    }
    base::WriteFileAtomic(choice.timing_file_path, Text(timing));
    const std::string key = Key(5, 11);
    base::WriteFileAtomic(viewer::OddsFilePath(choice.day_data_folder, "JD", key),
                          Text(JdLines(key)));
    base::WriteFileAtomic(viewer::OddsFilePath(choice.day_data_folder, "JW", key),
                          Text(PairLines(key, 36, 5)));
    base::WriteFileAtomic(viewer::OddsFilePath(choice.day_data_folder, "JR", key),
                          Text(PairLines(key, 153, 6)));
    viewer::RaceOddsRecord buffer;
    viewer::RefreshRaceHeaders(race_lines, 0, choice.day_work_folder, buffer);
  }
};

}  // namespace benchday
