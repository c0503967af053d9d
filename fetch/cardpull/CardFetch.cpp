#include "fetch/cardpull/CardFetch.h"

#include <algorithm>

#include "base/values.h"
#include "fetch/common/DataPaths.h"
#include "fetch/common/FetchTexts.h"
#include "fetch/common/LineFile.h"
#include "fetch/common/ReadingRoutines.h"
#include "fetch/records/DayLines.h"

namespace cardpull {
namespace {

using fetch::CallResultText;
using fetch::kCrLf;

constexpr int kReadSize = 110000;
constexpr const char* kPrefixes[] = {"DG", "DE", "DH"};
constexpr records::LineResult (*kFormatters[])(std::string_view) = {
    records::FormatRaceLine, records::FormatRunnerLine, records::FormatPayoffLine};

// 0 race, 1 runner, 2 payoff record; -1 a kind that gives no line.
int KindOf(std::string_view record) {
  std::string_view kind = base::Chars(record, 1, 2);
  if (kind == "RA") return 0;
  if (kind == "SE") return 1;
  if (kind == "HR") return 2;
  return -1;
}

RunEnd ReadLoop(jvlink::JVLink& jv, fetch::ReadingView& view, const std::string& key,
                fetch::LineFile (&files)[3]) {
  view.SetDialogCaption("データ読込み中．．．．0");
  int counter = 0;
  int skipped = 0;
  std::string first_skipped;
  std::string file_name;
  for (;;) {
    view.ProcessMessages();
    std::string buffer;
    int rc = jv.JVRead(buffer, kReadSize, file_name);
    if (rc > 0) {
      if (counter == 0) {
        fetch::MakeDayFolder(fetch::DayFolder(key));
        for (int k = 0; k < 3; ++k) files[k].Create(fetch::DayFilePath(key, kPrefixes[k]));
      }
      std::string_view record(buffer.data(), std::min<std::size_t>(rc, buffer.size()));
      view.ShowStatus("開催情報を取得中  " + std::to_string(counter));
      ++counter;
      int k = KindOf(record);
      if (k < 0) continue;
      records::LineResult line = kFormatters[k](record);
      if (!line.ok()) {
        view.AppendLog(fetch::SkippedRecordLog(line.error));
        if (skipped++ == 0) first_skipped = fetch::SkippedRecordText(record);
        continue;
      }
      files[k].WriteLine(line.line, false);
    } else if (rc == -1) {
      view.AppendLog(std::string("Read File:-1") + kCrLf);
      view.SetDialogCaption("データ読込み中．．．．" + std::to_string(counter));
    } else if (rc == 0) {
      fetch::CloseAll(files);
      view.AppendLog(std::string("JVRead EndOfFile :0") + kCrLf);
      // Records that gave no line are said at the end, not only in the hidden log.
      view.ShowStatus(skipped == 0 ? std::string("開催情報を全て取り込みました。")
                                   : fetch::FailuresText(first_skipped, skipped));
      view.SetDialogCaption("データ読込み完了．．．．" + std::to_string(counter));
      return RunEnd::kEndOfData;
    } else {
      // The day files of the run are not whole: the old ones stay. The panel says so.
      view.AppendLog("JVReadエラー:" + std::to_string(rc) + kCrLf);
      fetch::AbandonAll(files);
      view.ShowStatus(fetch::ReadErrorText(rc, key));
      return RunEnd::kReadError;
    }
  }
}

}  // namespace

bool InitJVLink(jvlink::JVLink& jv, fetch::ReadingView& view) {
  int rc = jv.JVInit(jvlink::kSoftwareId);
  view.AppendLog(CallResultText("JVInit", rc) + kCrLf);
  return rc == 0;
}

bool CheckKey(const std::string& key, fetch::ReadingView& view) {
  if (fetch::IsRaceDay(key)) return true;
  view.ShowStatus(fetch::BadRaceDayText(key));
  return false;
}

RunEnd ReadRecords(jvlink::JVLink& jv, fetch::ReadingView& view, const std::string& key) {
  fetch::LineFile files[3];
  try {
    return ReadLoop(jv, view, key, files);
  } catch (const fetch::OutputError& e) {
    fetch::ReportOutputError(e, view);
    fetch::AbandonAll(files);
    return RunEnd::kFileError;
  }
}

RunEnd RunReadingDialog(jvlink::JVLink& jv, fetch::ReadingView& view, const std::string& key) {
  view.SetDialogCursor(fetch::DialogCursor::kAppStart);
  int rc = jv.JVRTOpen(kDataSpec, key);
  view.AppendLog(CallResultText("JVRTOpen", rc) + kCrLf);
  RunEnd end = RunEnd::kOpenFailed;
  if (rc != 0) {
    view.ShowStatus("VJ-Linkがオープンできません。");
  } else {
    end = ReadRecords(jv, view, key);
  }
  fetch::CloseJVLink(jv, view);
  view.PostDialogClose();
  return end;
}

}  // namespace cardpull
