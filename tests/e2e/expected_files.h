// The files the fetch programs must leave for a sample data set, relative to their current
// directory, with their bytes: each recorded record formatted as the program formats it.
#pragma once
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/files.h"
#include "fetch/pricepull/OddsLines.h"
#include "fetch/records/DayLines.h"
#include "tools/sampledata/sample_data.h"

namespace expectedfiles {

using Files = std::map<std::string, std::string>;

// The recorded files under a folder of the data set, in the order of their names.
inline std::vector<const sampledata::SampleFile*> FilesIn(const sampledata::SampleData& sample,
                                                          const std::string& folder) {
  std::vector<const sampledata::SampleFile*> out;
  for (const auto& f : sample.files) {
    if (f.path.compare(0, folder.size() + 1, folder + "/") == 0) out.push_back(&f);
  }
  std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->path < b->path; });
  return out;
}

// The day files of the race day's (yyyymmdd) card: every record of the "0B15" data by its
// kind, as cardpull writes it.
inline Files CardFiles(const sampledata::SampleData& sample, const std::string& day) {
  std::string dg, de, dh;
  for (const auto* f : FilesIn(sample, "realtime/0B15/" + day)) {
    for (const std::string& record : base::SplitLines(f->bytes)) {
      const std::string delivered = record + "\r\n";
      const std::string kind = record.substr(0, 2);
      if (kind == "RA") dg += records::FormatRaceLine(delivered).line + "\r\n";
      if (kind == "SE") de += records::FormatRunnerLine(delivered).line + "\r\n";
      if (kind == "HR") dh += records::FormatPayoffLine(delivered).line + "\r\n";
    }
  }
  const std::string folder = "jv_data/" + day + "/";
  const std::string yymmdd = day.substr(2);
  return {{folder + "DG" + yymmdd + ".CSV", dg},
          {folder + "DE" + yymmdd + ".CSV", de},
          {folder + "DH" + yymmdd + ".CSV", dh}};
}

// What a race with no announcement recorded yet stands for among the odds files.
enum class Unannounced { kNoFiles, kEmptyFiles };

// The odds files of every race of the day, one line per recorded announcement.
inline Files OddsFiles(const sampledata::SampleData& sample, const std::string& day,
                       Unannounced unannounced) {
  Files out;
  for (const sampledata::Race& race : sample.races) {
    const std::string name = pricepull::OddsFileName(race.Key());
    std::string jd, jw, jr;
    for (const auto* f : FilesIn(sample, "realtime/0B41/" + race.Key())) {
      jd += pricepull::FormatWinPlaceOddsLine(f->bytes).line + "\r\n";
      jw += pricepull::FormatBracketOddsLine(f->bytes).line + "\r\n";
    }
    for (const auto* f : FilesIn(sample, "realtime/0B42/" + race.Key())) {
      jr += pricepull::FormatQuinellaOddsLine(f->bytes).line + "\r\n";
    }
    if (jd.empty() && unannounced == Unannounced::kNoFiles) continue;
    out["jv_data/" + day + "/JD" + name] = jd;
    out["jv_data/" + day + "/JW" + name] = jw;
    out["jv_data/" + day + "/JR" + name] = jr;
  }
  return out;
}

}  // namespace expectedfiles
