// The racing-data component as the fetch programs see it. The programs call only this
// interface; on this platform the recorded-data stand-in (RecordedJVLink.h) implements it.
#pragma once
#include <functional>
#include <memory>
#include <string>

namespace jvlink {

// The software identifier every fetch program hands to JVInit (30 characters).
inline constexpr char kSoftwareId[] = "SA402917/SD615038/Vantrel/2016";

class JVLink {
 public:
  virtual ~JVLink() = default;

  // 0 = ready; other = failure. May be called again before every fetch.
  virtual int JVInit(const std::string& software_id) = 0;
  // Shows the component's own settings dialog; the result is only reported.
  virtual int JVSetUIProperties() = 0;
  // Opens stored data from from_date (yyyymmddhhmmss). 0 = open, -1 = no new data,
  // -401..-499 internal or server error, below -504 maintenance, other = bad parameters.
  virtual int JVOpen(const std::string& data_spec, const std::string& from_date, int data_option,
                     int& read_count, int& download_count, std::string& last_file_time_stamp) = 0;
  // Files downloaded so far; negative = error.
  virtual int JVStatus() = 0;
  // Opens real-time data for a key (a race day or a race key); 0 = open, other = failure.
  virtual int JVRTOpen(const std::string& data_spec, const std::string& key) = 0;
  // Above 0: one record of that many bytes is in buffer (made anew by the call). -1: the
  // current file has ended. 0: all data read. Below -1: error. file_name: the current file.
  virtual int JVRead(std::string& buffer, int size, std::string& file_name) = 0;
  // Passes over the rest of the current file; the next JVRead returns -1.
  virtual int SkipRestOfFile() = 0;
  // Time stamp yyyymmddhhmmss of the file being read (or just ended).
  virtual std::string ReadingFileStamp() = 0;
  // Ends what JVOpen or JVRTOpen opened.
  virtual int JVClose() = 0;
};

// Shows a text in a small dialog of the component (its settings dialog). The programs pass
// one that opens a message box; none: no dialog.
using DialogFunction = std::function<void(const std::string& text)>;

// The component the fetch programs use: on this platform the recorded-data stand-in, with
// its data folder named by the environment variable JVLINK_DATA, else "jvlink_data" in the
// current directory. A program makes one for its whole run.
std::unique_ptr<JVLink> MakeJVLink(DialogFunction show_dialog = {});

}  // namespace jvlink
