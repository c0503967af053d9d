// A race file of any bytes at a racecourse choice: each line fills a race header or gives
// its conversion error, the refresh writes record files of exactly a record's size, the
// race buttons get a race caption or a blank, and a racecourse caption reads back as its
// meeting.
#include <filesystem>

#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/values.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/TrackCaption.h"

namespace {

void CheckHeaders(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::vector<std::string> fields = base::SplitCsvLine(line);
    viewer::RaceOddsRecord record;
    viewer::InitRaceOddsRecord(record);
    try {
      viewer::FillRaceHeader(record, fields, 7);
    } catch (const base::ConversionError&) {
      continue;
    }
    FUZZ_CHECK(record.bytes().size() == viewer::RaceOddsRecord::kSize, "record size");
    FUZZ_CHECK(record.RunnerCount() >= 0 && record.RunnerCount() <= 18,
               std::to_string(record.RunnerCount()));
    const std::string key = fields.empty() ? "" : fields[0].substr(0, 16);
    FUZZ_CHECK(record.RaceKey() == key, fuzzsupport::Shown(record.RaceKey()));
  }
}

void CheckRefresh(const std::vector<std::string>& lines) {
  const std::string folder = fuzzsupport::ScratchFolder() + "/wo_data";
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  viewer::RaceOddsRecord current;
  try {
    viewer::RefreshRaceHeaders(lines, 7, folder, current);
  } catch (const base::ConversionError&) {
  }
  for (const std::string& name : base::ListEntries(folder)) {
    FUZZ_CHECK(base::ReadFileBytes(folder + "/" + name).size() == viewer::RaceOddsRecord::kSize,
               name);
  }
}

void CheckButtons(const std::vector<std::string>& lines) {
  const std::string code = lines.empty() ? "05" : std::string(base::Chars(lines[0], 9, 10));
  for (const std::string& caption : viewer::RaceButtonCaptions(lines, code)) {
    FUZZ_CHECK(caption == " " || (caption.size() == 3 && caption[2] == 'R'), caption);
  }
  const std::vector<std::string> captions = viewer::TrackCaptions(lines);
  FUZZ_CHECK(captions.size() <= 3, std::to_string(captions.size()));
  for (const std::string& key : viewer::MeetingKeys(lines)) {
    if (auto caption = viewer::TrackCaption(key)) {
      const viewer::TrackChoice choice = viewer::ReadTrackCaption(*caption);
      FUZZ_CHECK(choice.track_code + choice.meeting_day == key.substr(8, 6), key);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = base::SplitLines(fuzzsupport::Bytes(data, size));
  CheckHeaders(lines);
  CheckRefresh(lines);
  CheckButtons(lines);
  return 0;
}
