// The viewer's settings file of any bytes: shorter than the record it is refused with a
// file error; else the name reads back within its 32 bytes, and writing the record keeps
// the file's size and every byte behind the record.
#include "base/errors.h"
#include "base/files.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/SettingsRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(fuzzsupport::Bytes(data, size));
  const std::string path = fuzzsupport::ScratchFolder() + "/vantrel.cfg";
  base::WriteFileAtomic(path, bytes);
  viewer::SettingsRecord settings;
  try {
    settings = viewer::ReadSettingsFile(path);
  } catch (const base::FileError&) {
    FUZZ_CHECK(size < viewer::SettingsRecord::kSize, "refused a whole record");
    return 0;
  }
  FUZZ_CHECK(size >= viewer::SettingsRecord::kSize, "took a short file");
  FUZZ_CHECK(settings.TimingFile.size() <= 32, fuzzsupport::Shown(settings.TimingFile));
  const std::string record = viewer::SettingsBytes(settings);
  FUZZ_CHECK(record.size() == viewer::SettingsRecord::kSize, "record size");
  FUZZ_CHECK(viewer::SettingsOfBytes(record, path).TimingFile == settings.TimingFile,
             "record read back");
  settings.TimingFile += "x";  // a changed name, written over the old record
  viewer::WriteSettingsFile(path, settings);
  const std::string written = base::ReadFileBytes(path);
  FUZZ_CHECK(written.size() == size, "file size " + std::to_string(written.size()));
  FUZZ_CHECK(written.substr(0, viewer::SettingsRecord::kSize) == viewer::SettingsBytes(settings),
             "record");
  FUZZ_CHECK(
      written.substr(viewer::SettingsRecord::kSize) == bytes.substr(viewer::SettingsRecord::kSize),
      "bytes behind the record");
  return 0;
}
