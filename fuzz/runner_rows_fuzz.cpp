// A runner file of any bytes at a race choice. Input parts: a parameter line "racecourse
// code,race number,runner count", the runner file. The rows fill or the conversion error
// names the failing text; rows above the runner count hold no names; the record keeps its
// size.
#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/values.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/DispCTRL.h"
#include "viewer/logic/RunnerRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzzsupport::Parts(fuzzsupport::Bytes(data, size), 2);
  std::vector<std::string> params = base::SplitCsvLine(parts[0]);
  params.resize(3);
  viewer::RaceOddsRecord record;
  viewer::InitRaceOddsRecord(record);
  record.SetRunnerCount(base::ParseInt32(params[2]).value_or(0));
  try {
    viewer::LoadRunnerRows(record, base::SplitLines(parts[1]), viewer::TrackCodeToName(params[0]),
                           params[1], 3);
  } catch (const base::ConversionError&) {
    return 0;
  }
  FUZZ_CHECK(record.bytes().size() == viewer::RaceOddsRecord::kSize, "record size");
  FUZZ_CHECK(record.RunnerFileAge() == 3, std::to_string(record.RunnerFileAge()));
  for (int k = std::max(record.RunnerCount() + 1, 1); k <= 18; ++k) {
    FUZZ_CHECK(record.HorseName(k).empty() && record.JockeyName(k).empty() &&
                   record.TrainerName(k).empty() && record.Affiliation(k).empty(),
               "row " + std::to_string(k));
  }
  return 0;
}
