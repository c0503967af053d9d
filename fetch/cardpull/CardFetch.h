// cardpull's calls of JVLink: the main window's start (JVInit, the race day of the
// command line) and the reading dialog's run (JVRTOpen "0B15" for the day, every record
// into the day's race, runner and payoff files, JVClose, close the dialog). Plain code
// over the JVLink interface and the view that the windows implement.
#pragma once
#include <string>

#include "fetch/common/FetchView.h"
#include "fetch/jvlink/JVLink.h"

namespace cardpull {

inline constexpr char kDataSpec[] = "0B15";

// JVInit, logged. False when it failed (the status panel keeps its first text).
bool InitJVLink(jvlink::JVLink& jv, fetch::ReadingView& view);

// The key of the fetch must be a race day yyyymmdd: it names the day's folder and files.
// Another text is refused in the status panel (false), and nothing is fetched or written.
bool CheckKey(const std::string& key, fetch::ReadingView& view);

enum class RunEnd { kOpenFailed, kEndOfData, kReadError, kFileError };

// The reading dialog's show handler.
RunEnd RunReadingDialog(jvlink::JVLink& jv, fetch::ReadingView& view, const std::string& key);

// The read loop: the three day files are begun at the first record and used for the whole
// run; they take the place of the old ones only at the end of the data, so a read error or
// a file error leaves the old day files whole (and says so in the status panel). A record
// whose line has no value where a number is needed is logged and skipped.
RunEnd ReadRecords(jvlink::JVLink& jv, fetch::ReadingView& view, const std::string& key);

}  // namespace cardpull
