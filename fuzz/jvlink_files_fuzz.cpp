// The stand-in's stored-data list files.csv of any bytes. Input parts: the FromDate, the
// file. Each listed name that can be a file is made with one record (and files.csv is the list).
// JVOpen answers with the files after FromDate, nothing, or damaged data (never anything else for a
// good FromDate); an open reads every chosen file to its end, one -1 each, then 0.
#include <filesystem>
#include <set>

#include "base/csv.h"
#include "base/files.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fuzz/fuzz_support.h"

namespace {

// Makes the listed files (at most 16 names; none that leads out of the folder).
void MakeListedFiles(const std::string& dir, const std::vector<std::string>& lines) {
  std::set<std::string> made;
  for (const std::string& line : lines) {
    std::vector<std::string> f = base::SplitCsvLine(line, 1);
    if (f.empty() || made.size() >= 16) continue;
    const std::string& name = f[0];
    if (name.empty() || name.size() > 64 || name == "." || name == ".." || name == "files.csv" ||
        name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
      continue;
    }
    if (made.insert(name).second) base::WriteFileAtomic(dir + "/" + name, "RA1\r\n");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzzsupport::Parts(fuzzsupport::Bytes(data, size), 2);
  const std::string folder = fuzzsupport::ScratchFolder() + "/jvlink";
  const std::string dir = folder + "/stored/RACE";
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  base::MakeDirs(dir);
  base::WriteFileAtomic(dir + "/files.csv", parts[1]);
  MakeListedFiles(dir, base::SplitLines(parts[1]));

  jvlink::RecordedJVLink link(folder);
  FUZZ_CHECK(link.JVInit("UNKNOWN") == 0, "JVInit");
  const std::string from(parts[0]);
  int read_count = 0, download_count = 0;
  std::string last;
  const int opened = link.JVOpen("RACE", from, 1, read_count, download_count, last);
  const bool good_from =
      from.size() == 14 && from.find_first_not_of("0123456789") == std::string::npos;
  if (!good_from) {
    FUZZ_CHECK(opened == jvlink::kBadFromDate, std::to_string(opened));
    return 0;
  }
  FUZZ_CHECK(opened == 0 || opened == jvlink::kNoData || opened == jvlink::kDamagedData,
             std::to_string(opened));
  if (opened != 0) {
    FUZZ_CHECK(read_count == 0 && download_count == 0 && last.empty(), "counts of a failed open");
    FUZZ_CHECK(link.JVRead(last, 256, last) == jvlink::kNotOpen, "read after a failed open");
    return 0;
  }
  FUZZ_CHECK(read_count > 0 && download_count >= 0 && download_count <= read_count,
             std::to_string(read_count) + "/" + std::to_string(download_count));
  FUZZ_CHECK(last.size() == 14 && last > from, last);
  for (int n = 1; n <= read_count + 1; ++n) {
    FUZZ_CHECK(link.JVStatus() == std::min(n, download_count), "JVStatus");
  }
  int file_ends = 0;
  std::string buffer, name;
  // A listed name may be files.csv itself, so a file has one record or more.
  constexpr int kLarge = 1 << 20;
  for (int calls = 0; calls < 100000; ++calls) {
    const int result = link.JVRead(buffer, kLarge, name);
    if (result == 0) break;
    if (result == -1) ++file_ends;
    FUZZ_CHECK(result == -1 || result == static_cast<int>(buffer.size()), std::to_string(result));
  }
  FUZZ_CHECK(file_ends == read_count, std::to_string(file_ends));
  FUZZ_CHECK(link.JVRead(buffer, kLarge, name) == 0, "after the end");
  return 0;
}
