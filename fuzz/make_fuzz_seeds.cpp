// Writes the first inputs of the fuzz targets, made from a recorded sample data set (the
// records, the lines the formatters make of them, the files the viewer reads and writes)
// and the odds-timing file:
//   make_fuzz_seeds WORK TIMING_FILE
// Each target gets WORK/seeds/<target>/seed<n> (written anew) and the folders its runs
// write to: WORK/corpus/<target> (new inputs, kept from run to run) and WORK/findings.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>

#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/fixed_record.h"
#include "fetch/pricepull/OddsLines.h"
#include "fetch/records/DayLines.h"
#include "fuzz/fuzz_support.h"
#include "tools/sampledata/sample_data.h"
#include "viewer/logic/DispCTRL.h"
#include "viewer/logic/MarkRecord.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/RunnerRows.h"
#include "viewer/logic/SettingsRecord.h"
#include "viewer/logic/Timing.h"

namespace {

using fuzzsupport::JoinParts;

std::string work_folder;

void Seed(const std::string& target, const std::string& bytes) {
  static std::map<std::string, int> count;
  const std::string dir = work_folder + "/seeds/" + target;
  base::MakeDirs(dir);
  base::MakeDirs(work_folder + "/corpus/" + target);
  base::WriteFileAtomic(dir + "/seed" + std::to_string(++count[target]), bytes);
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Every k-th line, the first and the last kept, at most about `most`.
std::vector<std::string> Thinned(const std::vector<std::string>& lines, std::size_t most) {
  if (lines.size() <= most) return lines;
  std::vector<std::string> kept;
  const std::size_t step = (lines.size() + most - 1) / most;
  for (std::size_t i = 0; i < lines.size(); i += step) kept.push_back(lines[i]);
  if (kept.back() != lines.back()) kept.push_back(lines.back());
  return kept;
}

// The recorded data by kind of record, and the lines the formatters make of them.
struct Day {
  std::vector<std::string> race_records, runner_records, payoff_records;
  std::map<std::string, std::vector<std::string>> win_place_records, quinella_records;  // by key
  std::vector<std::string> race_lines, runner_lines;
  std::string files_csv;
  std::vector<std::string> card_files;
};

void Add(std::vector<std::string>& lines, const records::LineResult& result) {
  if (result.ok()) lines.push_back(result.line);
}

Day ReadDay(const sampledata::SampleData& data) {
  Day day;
  std::vector<sampledata::SampleFile> files = data.files;
  std::sort(files.begin(), files.end(), [](auto& a, auto& b) { return a.path < b.path; });
  for (const auto& file : files) {
    const std::string& p = file.path;
    if (p == "stored/RACE/files.csv") day.files_csv = file.bytes;
    if (p.rfind("realtime/", 0) != 0) continue;
    const std::string key = p.substr(14, 16);
    if (p.rfind("realtime/0B15/", 0) == 0) day.card_files.push_back(file.bytes);
    for (const std::string& record : base::SplitLines(file.bytes)) {
      const std::string kind = record.substr(0, 2);
      if (kind == "RA") day.race_records.push_back(record);
      if (kind == "SE") day.runner_records.push_back(record);
      if (kind == "HR") day.payoff_records.push_back(record);
      if (kind == "O1") day.win_place_records[key].push_back(record);
      if (kind == "O2") day.quinella_records[key].push_back(record);
    }
  }
  for (const auto& r : day.race_records) Add(day.race_lines, records::FormatRaceLine(r));
  for (const auto& r : day.runner_records) Add(day.runner_lines, records::FormatRunnerLine(r));
  return day;
}

struct OddsFiles {
  std::vector<std::string> jd, jw, jr;
};

OddsFiles OddsOf(const Day& day, const std::string& key) {
  OddsFiles files;
  for (const auto& r : day.win_place_records.at(key)) {
    Add(files.jd, pricepull::FormatWinPlaceOddsLine(r));
    Add(files.jw, pricepull::FormatBracketOddsLine(r));
  }
  for (const auto& r : day.quinella_records.at(key)) {
    Add(files.jr, pricepull::FormatQuinellaOddsLine(r));
  }
  return files;
}

void RecordAndLineSeeds(const Day& day) {
  for (std::size_t i = 0; i < 3; ++i) {
    Seed("race_line", day.race_records.at(i));
    Seed("runner_line", day.runner_records.at(i));
    Seed("payoff_line", day.payoff_records.at(i));
  }
  for (const auto& [key, records] : day.win_place_records) {
    Seed("win_place_odds_line", records.back());
    Seed("bracket_odds_line", records.back());
    Seed("quinella_odds_line", day.quinella_records.at(key).back());
  }
  const OddsFiles odds = OddsOf(day, day.win_place_records.begin()->first);
  for (const std::string& line : {day.race_lines.at(0), day.runner_lines.at(0), odds.jd.back(),
                                  odds.jw.back(), odds.jr.back()}) {
    Seed("csv_line", line);
    const std::vector<std::string> fields = base::SplitCsvLine(line);
    Seed("csv_join", JoinParts(fields));
  }
  for (const char* text :
       {"15:40", "9:05:30", "2024/06/01", "20240601", "002.5", "-12", " +2147483647", "1e2",
        "2024060105020401", "20240601050204", "東京 2回 4日目", "20240525170500"}) {
    Seed("value_parsers", text);
  }
}

void ViewerSeeds(const Day& day, const std::vector<std::string>& timing) {
  Seed("race_header", Lines(day.race_lines));
  int races = 0;
  for (const std::string& line : day.race_lines) {
    const std::vector<std::string> f = base::SplitCsvLine(line);
    const std::string key = f.at(0);
    if (!day.win_place_records.count(key) || ++races > 2) continue;
    const std::string code = key.substr(8, 2), race = key.substr(14, 2), runners = f.at(11);
    Seed("runner_rows", JoinParts({code + "," + race + "," + runners, Lines(day.runner_lines)}));

    // The timing rows of the post time's hour, and the race's odds files, thinned.
    std::vector<std::string> rows;
    for (const std::string& row : timing) {
      const std::vector<std::string> columns = base::SplitCsvLine(row, 2);
      if (columns.size() == 2 && columns[1].substr(0, 2) == f.at(12).substr(0, 2)) {
        rows.push_back(row);
      }
    }
    const OddsFiles odds = OddsOf(day, key);
    const std::string params = "240601," + runners + "," + f.at(12) + ",";
    Seed("odds_readers", JoinParts({params + "JD", Lines(rows), Lines(Thinned(odds.jd, 40))}));
    const auto& bracket = viewer::BracketOddsPrefix(std::stoi(runners)) == "JW" ? odds.jw : odds.jr;
    Seed("odds_readers", JoinParts({params + "JW", Lines(rows), Lines(Thinned(bracket, 30))}));
    Seed("odds_readers", JoinParts({params + "JR", Lines(rows), Lines(Thinned(odds.jr, 12))}));

    // The race's record after a race choice.
    viewer::RaceOddsRecord record;
    viewer::InitRaceOddsRecord(record);
    try {
      viewer::FillRaceHeader(record, f, 1);
      viewer::LoadRunnerRows(record, day.runner_lines, viewer::TrackCodeToName(code), race, 2);
      const viewer::SnapshotTimes times = viewer::MatchSnapshotTimes(timing, record.PostTime());
      viewer::ReadWinPlaceOdds(record, {"JD", odds.jd}, times, "240601");
      viewer::ReadBracketQuinellaOdds(record, {"JW", bracket}, times, "240601");
      viewer::ReadQuinellaOdds(record, {"JR", odds.jr}, times, "240601");
    } catch (const base::Error& e) {
      std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
    }
    Seed("ods_record", record.bytes());
    // The analysis tables: runner count, the two snapshots, the record; once as it is and
    // once with a value that is no number and infinities in the snapshots the tables read.
    const std::string tables =
        std::string(1, static_cast<char>(record.RunnerCount())) + std::string("\x00\x02", 2);
    Seed("analysis_tables", tables + record.bytes());
    viewer::RaceOddsRecord odd = record;
    odd.SetOddsWin(1, 2, std::numeric_limits<float>::quiet_NaN());
    odd.SetOddsQuinella(3, 1, 3, std::numeric_limits<float>::infinity());
    odd.SetQuinellaShare(3, 4, -std::numeric_limits<float>::infinity());
    odd.SetOddsBracketQuinella(3, 1, 2, std::numeric_limits<float>::quiet_NaN());
    Seed("analysis_tables", tables + odd.bytes());
  }
  for (const std::string& record : day.payoff_records) {
    const records::LineResult line = records::FormatPayoffLine(record);
    if (!line.ok()) continue;
    Seed("payoff_reader", JoinParts({line.line.substr(0, 16), line.line + "\r\n"}));
    break;
  }
  Seed("countdown", JoinParts({"15:40", "240601", std::string("\x18\x05\x00\x0f\x23\x0a", 6)}));
  Seed("countdown", JoinParts({"09:05", "240601", std::string("\x18\x05\x00\x08\x3b\x3b", 6)}));
  viewer::MarkRecord marks;
  marks.RaceKey = "2024060105020401";
  marks.MarkFileName = "05020401.mrk";
  marks.Marks = {1, 3, 0, 2, 0, 1};
  Seed("mark_record", viewer::MarkRecordBytes(marks));
  Seed("settings", viewer::SettingsBytes(viewer::DefaultSettings()));
  Seed("settings", viewer::SettingsBytes({"time_300b.csv"}) + "behind the record");
}

void FileSeeds(const Day& day) {
  std::string stamp(15, '\0');
  base::PutShortString(stamp, 0, 14, "20240525170500");
  Seed("storepull_cfg", stamp);
  Seed("storepull_cfg", std::string("\x08"
                                    "20240525",
                                    9));
  Seed("jvlink_files", JoinParts({"20240101000000", day.files_csv}));
  Seed("jvlink_files",
       JoinParts({"20240101000000", "a.txt,20240511170000,download\r\nb.txt,20240518170000\r\n"}));
  Seed("jvlink_faults", "JVRead,3,-502\nJVRTOpen,1,-1\n");
  Seed("jvlink_faults", "JVInit,2,-100\r\nJVClose,1,-201\r\nSkipRestOfFile,1,0\r\n");
  std::vector<std::string> card = base::SplitLines(day.card_files.at(0));
  card.resize(std::min<std::size_t>(card.size(), 4));
  Seed("jvlink_records", JoinParts({"2048", Lines(card)}));
  Seed("jvlink_records", JoinParts({"100", day.win_place_records.begin()->second.at(0) + "\n\n"}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds WORK TIMING_FILE\n");
    return 2;
  }
  work_folder = argv[1];
  try {
    const Day day =
        ReadDay(sampledata::MakeSampleData({.race_day = base::Date{2024, 6, 1},
                                            .now = base::DateTime{{2024, 6, 1}, 23, 59, 0},
                                            .seed = 7,
                                            .courses = 2,
                                            .races_per_course = 2,
                                            .stored_days = 1}));
    std::error_code ec;
    std::filesystem::remove_all(work_folder + "/seeds", ec);
    base::MakeDirs(work_folder + "/findings");
    RecordAndLineSeeds(day);
    ViewerSeeds(day, base::ReadLines(argv[2]));
    FileSeeds(day);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
