// storepull's calls of JVLink: the start button up to the reading dialog, and the reading
// dialog's run (open, wait for the download, read every record into the day files,
// JVClose, close the dialog). Plain code over the JVLink interface and the view that the
// windows implement.
#pragma once
#include <optional>
#include <string>

#include "base/dates.h"
#include "fetch/common/FetchView.h"
#include "fetch/jvlink/JVLink.h"

namespace storepull {

// The main window's log, status panel and start-date picker, and the reading dialog.
class StorePullView : public fetch::ReadingView {
 public:
  virtual void SetStartDate(const base::Date& date) = 0;
  // The pause between two download-status queries.
  virtual void Sleep(int milliseconds) = 0;
};

// What the reading dialog fetches.
struct FetchRequest {
  std::string data_spec;
  std::string from_date;
};

// The start button up to the dialog: JVInit, then the FromDate of the start date and the
// resume stamp. None when JVInit fails (logged, and shown in the status panel).
std::optional<FetchRequest> StartFetch(jvlink::JVLink& jv, StorePullView& view,
                                       const base::Date& start, const std::string& resume_stamp);

struct ReadingOptions {
  int poll_milliseconds = 500;
  // The download wait gives up after this many status queries in a row without progress
  // (1200 queries of 500 ms: ten minutes).
  int stall_polls = 1200;
};

// How a run of the reading dialog ended.
enum class RunEnd {
  kOpenFailed,
  kStatusFailed,
  kDownloadStalled,
  kStopped,  // the user closed the dialog
  kEndOfData,
  kReadError,
  kFileError,
};

// The reading dialog's show handler. resume_stamp changes only at the end of the data.
// A close request of the user (view.CloseRequested) ends the download wait at once and
// the reading at the end of the file being read, so that every day file written is whole.
RunEnd RunReadingDialog(jvlink::JVLink& jv, StorePullView& view, const FetchRequest& request,
                        std::string& resume_stamp, const ReadingOptions& options = {});

// The read loop, from the first JVRead to the end of the data, an error or a stop.
// last_file_time_stamp: JVOpen's, whose first 14 characters become the resume stamp.
RunEnd ReadRecords(jvlink::JVLink& jv, StorePullView& view, const std::string& last_file_time_stamp,
                   std::string& resume_stamp);

// The status text of a failed JVOpen.
std::string OpenErrorStatus(int rc);

}  // namespace storepull
