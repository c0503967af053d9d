#include "viewer/logic/RaceHeader.h"

#include <algorithm>
#include <cstdio>

#include "base/csv.h"
#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/values.h"
#include "viewer/logic/DispCTRL.h"
#include "viewer/logic/Fields.h"

namespace viewer {
namespace {

bool IsRaceKey(std::string_view key) {
  return key.size() == 16 &&
         std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

int RunnerLimit(int32_t n) { return std::clamp<int32_t>(n, 0, RaceOddsRecord::kRunnerRows); }

std::string RaceRecordPath(std::string_view folder, std::string_view race_key) {
  return std::string(folder) + "/" + std::string(base::Chars(race_key, 9, 16)) + ".ods";
}

void FillRaceHeader(RaceOddsRecord& r, const std::vector<std::string>& f, int32_t age) {
  // The two conversions first, so that a line that fails changes nothing.
  std::string surface(base::Chars(FieldOrEmpty(f, 9), 1, 2));
  int32_t weather_going = 99;
  if (f.size() > 14) {
    std::string text(FieldOrEmpty(f, 14));
    text += surface == "芝" ? FieldOrEmpty(f, 15) : FieldOrEmpty(f, 16);
    weather_going = base::IntegerValue(text);
  }
  int32_t runners = base::IntegerValue(FieldOrEmpty(f, 11));

  r.SetRaceKey(FieldOrEmpty(f, 0));
  r.SetHeaderPending(0);
  r.SetRaceFileAge(age);
  r.SetRunnerFileAge(0);
  r.SetSurface(surface);
  r.SetWeatherGoing(weather_going);
  r.SetReserved1(9);
  r.SetReserved2(9);
  r.SetTurnDirection(TrackTurnDirection(FieldOrEmpty(f, 4)));
  r.SetDistance(FieldOrEmpty(f, 10));
  r.SetOrdinalText(FieldOrEmpty(f, 6));
  r.SetRaceName(FieldOrEmpty(f, 7));
  r.SetConditionText(FieldOrEmpty(f, 8));
  r.SetRunnerCount(RunnerLimit(runners));
  r.SetPostTime(FieldOrEmpty(f, 12));
}

void RefreshRaceHeaders(const std::vector<std::string>& race_lines, int32_t race_file_age,
                        const std::string& day_work_folder, RaceOddsRecord& current,
                        std::string_view race_file, std::vector<SetAsideRecord>* set_aside) {
  std::vector<SetAsideRecord> unnoted;
  if (!set_aside) set_aside = &unnoted;
  for (std::size_t n = 0; n < race_lines.size(); ++n) {
    std::vector<std::string> fields = base::SplitCsvLine(race_lines[n]);
    if (fields.empty()) continue;
    if (!IsRaceKey(fields[0])) {
      throw base::ConversionError("'" + fields[0] + "' is not a valid race key" +
                                  LinePlace(race_file, n));
    }
    std::string path = RaceRecordPath(day_work_folder, fields[0]);
    // The file's bytes, empty when there is none.
    const std::string stored = ReadStoredRecordBytes(path, *set_aside).value_or("");
    if (!stored.empty()) {
      current = RaceOddsRecordOfFile(path, stored);
    } else {
      InitRaceOddsRecord(current);
    }
    AtLine(race_file, n, [&] { FillRaceHeader(current, fields, race_file_age); });
    // A file that already holds exactly this record is left as it is.
    if (stored == current.bytes()) continue;
    if (!base::DirExists(day_work_folder)) base::MakeDirs(day_work_folder);
    WriteRaceOddsRecord(path, current);
  }
}

std::string RaceLinePlace(const std::string& race_file, std::string_view race_key) {
  try {
    const std::vector<std::string> lines = base::ReadLines(race_file);
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const std::vector<std::string> key = base::SplitCsvLine(lines[n], 1);
      if (!key.empty() && key[0] == race_key) return LinePlace(race_file, n);
    }
  } catch (const base::Error&) {
  }
  return " (" + base::PathText(race_file) + ")";
}

std::string RaceNumberText(int race) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2d", race);
  return text;
}

std::string RaceButtonCaption(std::string_view race_number) {
  if (race_number == "10") return "10R";
  std::string c(race_number);
  std::replace(c.begin(), c.end(), '0', ' ');
  return c + "R";
}

std::array<std::string, 12> RaceButtonCaptions(const std::vector<std::string>& race_lines,
                                               std::string_view track_code) {
  std::array<std::string, 12> captions;
  captions.fill(" ");
  for (const auto& line : race_lines) {
    if (base::Chars(line, 9, 10) != track_code) continue;
    std::string_view number = base::Chars(line, 15, 16);
    for (int race = 1; race <= 12; ++race) {
      if (number == RaceNumberText(race)) captions[race - 1] = RaceButtonCaption(number);
    }
  }
  return captions;
}

}  // namespace viewer
