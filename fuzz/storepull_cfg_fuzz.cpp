// storepull.cfg of any bytes: a damaged file gives today one month back and a message that
// says so; a usable stamp gives its date; the stamp written again is a 15-byte record that
// reads back the same.
#include "base/dates.h"
#include "base/files.h"
#include "base/fixed_record.h"
#include "fetch/storepull/ResumeStamp.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(fuzzsupport::Bytes(data, size));
  const std::string path = fuzzsupport::ScratchFolder() + "/" + storepull::kConfigFile;
  base::WriteFileAtomic(path, bytes);
  const base::Date today{2024, 6, 1};
  const storepull::StartState state = storepull::StartStateFromFile(path, today);
  FUZZ_CHECK(base::IsValidDate(state.start_date), "start date");
  const bool usable = size >= storepull::kConfigRecordSize &&
                      storepull::StampDate(base::GetShortString(bytes, 0, 14), today).has_value();
  FUZZ_CHECK(state.message.empty() == usable, state.message);
  if (!usable) {
    FUZZ_CHECK(state.start_date == base::AddMonths(today, -1), "start date of a damaged file");
    return 0;
  }
  FUZZ_CHECK(state.resume_stamp.size() <= 14, fuzzsupport::Shown(state.resume_stamp));
  storepull::WriteResumeStamp(path, state.resume_stamp);
  FUZZ_CHECK(base::ReadFileBytes(path).size() == storepull::kConfigRecordSize, "record size");
  FUZZ_CHECK(storepull::StartStateFromFile(path, today).resume_stamp == state.resume_stamp,
             "stamp read back");
  return 0;
}
