// A race record file (".ods") of any bytes: shorter than a record it is refused with a file
// error; else every field reads, the record is made of the file's first 11956 bytes, and
// written back the file is exactly the record, which reads back the same.
#include "base/errors.h"
#include "base/files.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/RaceOddsRecord.h"
#include "viewer/logic/Timing.h"

namespace {

using viewer::RaceOddsRecord;

// Reads every field; a text never passes its capacity.
void ReadEveryField(const RaceOddsRecord& r) {
  std::size_t longest = r.RaceKey().size() + r.Surface().size() + r.TurnDirection().size() +
                        r.Distance().size() + r.OrdinalText().size() + r.PostTime().size();
  FUZZ_CHECK(r.RaceName().size() <= 60 && r.ConditionText().size() <= 60 && longest <= 32,
             "header texts");
  for (int k = 1; k <= RaceOddsRecord::kRunnerRows; ++k) {
    FUZZ_CHECK(r.HorseName(k).size() <= 18 && r.JockeyName(k).size() <= 8 &&
                   r.TrainerName(k).size() <= 8 && r.Affiliation(k).size() <= 2,
               "row " + std::to_string(k));
    r.FinishOrder(k);
  }
  for (int s = 1; s <= RaceOddsRecord::kSnapshots; ++s) {
    FUZZ_CHECK(r.Label(s).size() <= 5, "label");
    r.SlotNumber(s);
    for (int i = 1; i <= 18; ++i) {
      r.OddsWin(s, i);
      r.OddsPlace(s, i);
      r.QuinellaShare(s, i);
      for (int j = i + 1; j <= 18; ++j) r.OddsQuinella(s, i, j);
    }
    for (int i = 1; i <= 8; ++i) {
      r.BracketQuinellaShare(s, i);
      for (int j = i; j <= 8; ++j) r.OddsBracketQuinella(s, i, j);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(fuzzsupport::Bytes(data, size));
  const std::string path = fuzzsupport::ScratchFolder() + "/05020401.ods";
  RaceOddsRecord record;
  try {
    record = viewer::RaceOddsRecordOfFile(path, bytes);
  } catch (const base::FileError&) {
    FUZZ_CHECK(size < RaceOddsRecord::kSize, "refused a whole record");
    return 0;
  }
  FUZZ_CHECK(size >= RaceOddsRecord::kSize, "took a short file");
  FUZZ_CHECK(record.bytes().size() == RaceOddsRecord::kSize, "record size");
  FUZZ_CHECK(RaceOddsRecord::FromBytes(record.bytes()).bytes() == record.bytes(), "record bytes");
  ReadEveryField(record);
  viewer::AllSnapshotsEmpty(record);
  const viewer::TimeButtons buttons = viewer::PlanTimeButtons(record, 2);
  FUZZ_CHECK(buttons.chosen_time2 >= 1 && buttons.chosen_time2 <= 6, "second time");
  viewer::WriteRaceOddsRecord(path, record);
  FUZZ_CHECK(base::ReadFileBytes(path) == record.bytes(), "written file");
  FUZZ_CHECK(viewer::ReadRaceOddsRecord(path).bytes() == record.bytes(), "read back");
  return 0;
}
