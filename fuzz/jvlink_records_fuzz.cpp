// A recorded file of any bytes, read through the stand-in. Input parts: the buffer size,
// the file. JVRead hands over every non-empty line in order, each followed by CR LF, a
// line too long for the buffer as kRecordTooLong and then in full with a buffer large
// enough; then -1 and 0.
#include "base/errors.h"
#include "base/files.h"
#include "base/values.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzzsupport::Parts(fuzzsupport::Bytes(data, size), 2);
  const int buffer_size = base::ParseInt32(parts[0]).value_or(256);
  const std::string folder = fuzzsupport::ScratchFolder() + "/jvlink";
  const std::string key_dir = folder + "/realtime/0B41/2024060105020401";
  base::MakeDirs(key_dir);
  base::WriteFileAtomic(key_dir + "/202406010730.txt", parts[1]);

  std::vector<std::string> records;
  for (std::string& line : base::SplitLines(parts[1])) {
    if (!line.empty()) records.push_back(line + "\r\n");
  }
  jvlink::RecordedJVLink link(folder);
  FUZZ_CHECK(link.JVInit("UNKNOWN") == 0, "JVInit");
  FUZZ_CHECK(link.JVRTOpen("0B41", "2024060105020401") == 0, "JVRTOpen");
  std::string buffer, name;
  for (const std::string& record : records) {
    int result = link.JVRead(buffer, buffer_size, name);
    if (result == jvlink::kRecordTooLong) {
      FUZZ_CHECK(buffer_size < 0 || record.size() > static_cast<std::size_t>(buffer_size),
                 "too long: " + std::to_string(record.size()));
      result = link.JVRead(buffer, static_cast<int>(record.size()), name);
    }
    FUZZ_CHECK(result == static_cast<int>(record.size()) && buffer == record,
               std::to_string(result) + " " + fuzzsupport::Shown(buffer));
    FUZZ_CHECK(name == "202406010730.txt", name);
  }
  FUZZ_CHECK(link.JVRead(buffer, buffer_size, name) == -1, "end of the file");
  FUZZ_CHECK(link.JVRead(buffer, buffer_size, name) == 0, "end of the data");
  FUZZ_CHECK(link.JVClose() == 0, "JVClose");
  return 0;
}
