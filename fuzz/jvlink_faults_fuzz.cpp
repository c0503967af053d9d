// The stand-in's faults.csv of any bytes: a malformed file makes the first call throw the
// error that names its line; otherwise each call gives its own result or the one the file
// names for it, and a read that is faulted claims no record.
#include "base/errors.h"
#include "base/files.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string folder = fuzzsupport::ScratchFolder() + "/jvlink";
  const std::string key_dir = folder + "/realtime/0B15/2024060105020401";
  base::MakeDirs(key_dir);
  base::WriteFileAtomic(key_dir + "/a.txt", "RA1\r\nSE2\r\n");
  base::WriteFileAtomic(folder + "/faults.csv", fuzzsupport::Bytes(data, size));

  jvlink::RecordedJVLink link(folder);
  int init;
  try {
    init = link.JVInit("UNKNOWN");
  } catch (const base::Error& e) {
    FUZZ_CHECK(std::string(e.what()).find("faults.csv line ") != std::string::npos, e.what());
    return 0;
  }
  if (init != 0) return 0;
  const int opened = link.JVRTOpen("0B15", "2024060105020401");
  if (opened != 0) return 0;
  std::string buffer, name;
  for (int calls = 0; calls < 8; ++calls) {
    const int result = link.JVRead(buffer, 256, name);
    FUZZ_CHECK(result <= 0 || result == static_cast<int>(buffer.size()), std::to_string(result));
    FUZZ_CHECK(result > 0 || buffer.empty(), fuzzsupport::Shown(buffer));
  }
  link.SkipRestOfFile();
  link.JVClose();
  return 0;
}
