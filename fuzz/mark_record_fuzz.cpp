// A horse-mark file (".mrk") of any bytes: a record reads back as itself once written, the
// file of a race keeps exactly a record's size when the marks are saved, and a file shorter
// than a record leaves the race without marks and is kept under a new name.
#include <filesystem>

#include "base/errors.h"
#include "base/files.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/MarkRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzzsupport::Bytes(data, size);
  try {
    const viewer::MarkRecord record = viewer::MarkRecordOfBytes(bytes);
    FUZZ_CHECK(size >= viewer::kMarkRecordSize, "took a short record");
    const std::string written = viewer::MarkRecordBytes(record);
    FUZZ_CHECK(written.size() == viewer::kMarkRecordSize, "record size");
    FUZZ_CHECK(viewer::MarkRecordOfBytes(written) == record, "record read back");
  } catch (const base::FileError&) {
    FUZZ_CHECK(size < viewer::kMarkRecordSize, "refused a whole record");
  }

  const std::string work = fuzzsupport::ScratchFolder() + "/wo_data";
  const std::string key = "2024060105020401";
  const std::string path = viewer::MarkFilePath(work, key);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  base::WriteFileAtomic(path, bytes);
  viewer::MarkRecord marks;
  const auto set_aside = viewer::LoadMarkFile(work, key, marks);
  const std::string kept_as = set_aside ? set_aside->kept_as : "";
  if (size < viewer::kMarkRecordSize) {
    FUZZ_CHECK(marks.Marks[0] == 1, std::to_string(marks.Marks[0]));
    for (int k = 1; k <= 18; ++k) FUZZ_CHECK(marks.Marks[k] == 0, "a mark without a record");
    // The short file is kept as it was under its new name.
    FUZZ_CHECK(!kept_as.empty() && base::ReadFileBytes(kept_as) == bytes, "short file kept");
    std::filesystem::remove(kept_as, ec);
  }
  marks.Marks[3] = viewer::ToggleMark(marks.Marks[3], false, false);
  viewer::SaveMarkFile(work, key, marks);
  FUZZ_CHECK(base::ReadFileBytes(path).size() == viewer::kMarkRecordSize, "file size");
  viewer::MarkRecord again;
  viewer::LoadMarkFile(work, key, again);
  FUZZ_CHECK(again == marks, "marks read back");
  return 0;
}
