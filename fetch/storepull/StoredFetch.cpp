#include "fetch/storepull/StoredFetch.h"

#include <algorithm>

#include "fetch/common/FetchTexts.h"
#include "fetch/common/LineFile.h"
#include "fetch/common/ReadingRoutines.h"
#include "fetch/records/DayLines.h"
#include "fetch/storepull/ResumeStamp.h"
#include "fetch/storepull/StoredRecords.h"

namespace storepull {
namespace {

using fetch::CallResultText;
using fetch::kCrLf;

constexpr int kReadSize = 110000;
constexpr char kStopped[] = "データの取得を中止しました";

std::string ProgressCaption(int status, int download_count) {
  return "ダウンロード中．．．(" + std::to_string(status) + "/" + std::to_string(download_count) +
         ")";
}

// The day files of the file being read: one per line kind, each begun at the file's first
// line of its kind; they take the place of the old ones when the file has been read to its
// end.
class DayFiles {
 public:
  void Write(std::string_view file_name, LineKind kind, std::string_view line) {
    fetch::LineFile& f = files_[kind];
    if (!f.is_open()) {
      fetch::MakeDayFolder(DayFolderOf(file_name));
      f.Create(DayFilePath(file_name, kind));
    }
    f.WriteLine(line, true);
  }
  void Close() { fetch::CloseAll(files_); }
  void Abandon() { fetch::AbandonAll(files_); }

 private:
  fetch::LineFile files_[kLineKinds];
};

records::LineResult FormatLine(RecordAction action, std::string_view record) {
  switch (action) {
    case RecordAction::kRaceLine:
      return records::FormatRaceLine(record);
    case RecordAction::kRunnerLine:
      return records::FormatRunnerLine(record);
    default:
      return records::FormatPayoffLine(record);
  }
}

LineKind KindOf(RecordAction action) {
  switch (action) {
    case RecordAction::kRaceLine:
      return kRaceKind;
    case RecordAction::kRunnerLine:
      return kRunnerKind;
    default:
      return kPayoffKind;
  }
}

// After a file switch: the picker shows the date of the file being read.
void ShowFileDate(jvlink::JVLink& jv, StorePullView& view, const std::string& file_name) {
  std::string stamp = jv.ReadingFileStamp();
  view.AppendLog("Read File:-1 " + file_name + " " + stamp + kCrLf);
  if (auto d = StampDate(stamp, base::Today())) {
    view.SetStartDate(*d);
  } else {
    view.AppendLog("ReadingFileStampが日付ではありません:" + stamp + kCrLf);
  }
}

RunEnd ReadLoop(jvlink::JVLink& jv, StorePullView& view, DayFiles& files,
                const std::string& last_file_time_stamp, std::string& resume_stamp) {
  std::string file_name;
  bool stop = false;
  int skipped = 0;
  std::string first_skipped;
  for (;;) {
    view.ProcessMessages();
    stop = stop || view.CloseRequested();
    std::string buffer;
    int rc = jv.JVRead(buffer, kReadSize, file_name);
    if (rc > 0) {
      std::string_view record(buffer.data(), std::min<std::size_t>(rc, buffer.size()));
      RecordAction action = FilterRecord(record, file_name);
      switch (action) {
        case RecordAction::kBadFileName:
          view.AppendLog("ファイル名に開催日がありません:" + file_name + kCrLf);
          [[fallthrough]];
        case RecordAction::kSkipFile:
          jv.SkipRestOfFile();
          continue;
        case RecordAction::kIgnore:
          continue;
        default:
          break;
      }
      records::LineResult line = FormatLine(action, record);
      if (!line.ok()) {
        view.AppendLog(fetch::SkippedRecordLog(line.error));
        if (skipped++ == 0) first_skipped = fetch::SkippedRecordText(record);
        continue;
      }
      files.Write(file_name, KindOf(action), line.line);
    } else if (rc == -1) {
      files.Close();
      ShowFileDate(jv, view, file_name);
      if (stop) {
        view.AppendLog(std::string(kStopped) + kCrLf);
        view.ShowStatus(kStopped);
        return RunEnd::kStopped;
      }
    } else if (rc == 0) {
      files.Close();
      view.AppendLog(std::string("JVRead EndOfFile :0") + kCrLf);
      // Records that gave no line are said at the end, not only in the hidden log.
      view.ShowStatus(skipped == 0 ? std::string("開催情報を全て取り込みました。")
                                   : fetch::FailuresText(first_skipped, skipped));
      resume_stamp = last_file_time_stamp.substr(0, kStampCapacity);
      return RunEnd::kEndOfData;
    } else {
      view.AppendLog("JVReadエラー:" + std::to_string(rc) + " " + last_file_time_stamp + kCrLf);
      view.ShowStatus("JVLink Readエラー" + std::to_string(rc));
      files.Abandon();  // the file being read is not whole: its day files stay as they were
      return RunEnd::kReadError;
    }
  }
}

}  // namespace

std::optional<FetchRequest> StartFetch(jvlink::JVLink& jv, StorePullView& view,
                                       const base::Date& start, const std::string& resume_stamp) {
  int rc = jv.JVInit(jvlink::kSoftwareId);
  view.AppendLog(CallResultText("JVInit", rc) + kCrLf);
  if (rc != 0) {
    view.ShowStatus("SiDの設定が無いか、値が正しくありません");
    return std::nullopt;
  }
  return FetchRequest{"RACE", FromDateFor(start, resume_stamp)};
}

std::string OpenErrorStatus(int rc) {
  if (rc == -1) return "新たな開催情報はありません";
  if (rc >= -499 && rc <= -401) return "JV-Linkの内部エラー、またはサーバエラーが発生";
  if (rc < -504) return "サーバメンテナンス中です";
  return "起動パラメータに不正があります。";
}

RunEnd ReadRecords(jvlink::JVLink& jv, StorePullView& view, const std::string& last_file_time_stamp,
                   std::string& resume_stamp) {
  DayFiles files;
  try {
    return ReadLoop(jv, view, files, last_file_time_stamp, resume_stamp);
  } catch (const fetch::OutputError& e) {
    fetch::ReportOutputError(e, view);
    files.Abandon();
    return RunEnd::kFileError;
  }
}

namespace {

RunEnd WaitForDownload(jvlink::JVLink& jv, StorePullView& view, int download_count,
                       const std::string& last_file_time_stamp, std::string& resume_stamp,
                       const ReadingOptions& options) {
  int last_status = -1;
  int unchanged = 0;
  for (;;) {
    view.ProcessMessages();
    view.Sleep(options.poll_milliseconds);
    if (view.CloseRequested()) {
      view.AppendLog(std::string(kStopped) + kCrLf);
      view.ShowStatus(kStopped);
      return RunEnd::kStopped;
    }
    int st = jv.JVStatus();
    if (st < 0) {
      view.AppendLog("JVStatusエラー:" + std::to_string(st) + kCrLf);
      return RunEnd::kStatusFailed;
    }
    if (st < download_count) {
      view.SetDialogCaption(ProgressCaption(st, download_count));
      view.ShowStatus("ダウンロード中");
    } else if (st == download_count) {
      view.SetDialogCaption(ProgressCaption(st, download_count));
      view.ShowStatus("データを登録中です");
      return ReadRecords(jv, view, last_file_time_stamp, resume_stamp);
    }
    unchanged = st == last_status ? unchanged + 1 : 0;
    last_status = st;
    if (unchanged >= options.stall_polls) {
      view.AppendLog("ダウンロード待ちを打ち切りました:" + std::to_string(st) + "/" +
                     std::to_string(download_count) + kCrLf);
      view.ShowStatus("ダウンロードが進まないため取得を中止しました");
      return RunEnd::kDownloadStalled;
    }
  }
}

}  // namespace

RunEnd RunReadingDialog(jvlink::JVLink& jv, StorePullView& view, const FetchRequest& request,
                        std::string& resume_stamp, const ReadingOptions& options) {
  view.SetDialogCursor(fetch::DialogCursor::kAppStart);
  int read_count = 0;
  int download_count = 0;
  std::string last_file_time_stamp;
  int rc = jv.JVOpen(request.data_spec, request.from_date, 1, read_count, download_count,
                     last_file_time_stamp);
  RunEnd end;
  if (rc != 0) {
    view.AppendLog(CallResultText("JVOpen", rc) + kCrLf);
    view.ShowStatus(OpenErrorStatus(rc));
    end = RunEnd::kOpenFailed;
  } else {
    view.AppendLog(CallResultText("JVOpen", rc) + kCrLf);
    view.AppendLog("DataSpec:" + request.data_spec + ", FromDate:" + request.from_date +
                   ", DataOption:1,ReadCount:" + std::to_string(read_count) +
                   ", DownloadCount:" + std::to_string(download_count) +
                   ", LastFileTimeStamp:" + last_file_time_stamp + kCrLf);
    view.ShowStatus("データの取り込みを開始しました");
    end = download_count == 0 ? ReadRecords(jv, view, last_file_time_stamp, resume_stamp)
                              : WaitForDownload(jv, view, download_count, last_file_time_stamp,
                                                resume_stamp, options);
  }
  fetch::CloseJVLink(jv, view);
  view.PostDialogClose();
  return end;
}

}  // namespace storepull
