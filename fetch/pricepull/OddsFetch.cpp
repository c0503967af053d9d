#include "fetch/pricepull/OddsFetch.h"

#include <algorithm>
#include <cctype>

#include "base/errors.h"
#include "base/files.h"
#include "base/values.h"
#include "fetch/common/DataPaths.h"
#include "fetch/common/FetchTexts.h"
#include "fetch/common/LineFile.h"
#include "fetch/pricepull/OddsLines.h"

namespace pricepull {
namespace {

constexpr int kReadSize = 500000;

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A race of the day: 16 digits beginning with the day.
bool IsRaceOfDay(std::string_view key, std::string_view day) {
  return key.size() == 16 && AllDigits(key) && key.substr(0, 8) == day;
}

bool StartsAndEndsWith(std::string_view name, std::string_view first, std::string_view last) {
  auto same = [](std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::toupper(static_cast<unsigned char>(x)) ==
             std::toupper(static_cast<unsigned char>(y));
    });
  };
  return name.size() >= first.size() + last.size() && same(name.substr(0, first.size()), first) &&
         same(name.substr(name.size() - last.size()), last);
}

// A file matching "JD*.CSV" in the folder, letter case ignored.
bool HasWinPlaceOddsFile(const std::string& folder) {
  for (const std::string& name : base::ListEntries(folder)) {
    if (StartsAndEndsWith(name, "JD", ".CSV") && base::FileExists(folder + "/" + name)) return true;
  }
  return false;
}

// The output files of one fetch: JD and JW for "0B41", JR for "0B42".
class OddsFiles {
 public:
  OddsFiles(bool win_place, const std::string& race_key) : win_place_(win_place) {
    paths_[0] = OddsFilePath(race_key, win_place ? "JD" : "JR");
    if (win_place) paths_[1] = OddsFilePath(race_key, "JW");
  }
  void Create() {
    for (int i = 0; i < count(); ++i) files_[i].Create(paths_[i]);
  }
  // The record's lines; false (nothing written) when the record gives none.
  bool Write(std::string_view record) {
    if (!win_place_) {
      records::LineResult line = FormatQuinellaOddsLine(record);
      if (!line.ok()) return false;
      files_[0].WriteLine(line.line, false);
      return true;
    }
    records::LineResult win = FormatWinPlaceOddsLine(record);
    records::LineResult bracket = FormatBracketOddsLine(record);
    if (!win.ok() || !bracket.ok()) return false;
    files_[0].WriteLine(win.line, false);
    files_[1].WriteLine(bracket.line, false);
    return true;
  }
  void Close() { fetch::CloseAll(files_); }
  void Abandon() { fetch::AbandonAll(files_); }

 private:
  int count() const { return win_place_ ? 2 : 1; }
  bool win_place_;
  std::string paths_[2];
  fetch::LineFile files_[2];
};

// The failure of one fetch for the run's final status: empty while all goes well, then the
// status text of the first thing that failed.
class FetchFailure {
 public:
  void Note(const std::string& text) {
    if (text_.empty()) text_ = text;
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

void JVReading(jvlink::JVLink& jv, fetch::StatusView& view, const std::string& data_spec,
               const std::string& race_key, FetchFailure& failure) {
  OddsFiles files(data_spec == "0B41", race_key);
  int count = 0;
  int written = 0;
  std::string file_name;
  try {
    for (;;) {
      view.ProcessMessages();
      std::string buffer;
      int rc = jv.JVRead(buffer, kReadSize, file_name);
      if (rc > 0) {
        if (count == 0) files.Create();
        ++count;
        std::string_view record(buffer.data(), std::min<std::size_t>(rc, buffer.size()));
        if (files.Write(record)) {
          ++written;
        } else {
          const std::string text = "オッズレコードを変換できません：" + race_key;
          view.ShowStatus(text);
          failure.Note(text);
        }
      } else if (rc == -1) {
        continue;
      } else if (rc == 0) {
        view.ShowStatus("開催情報を全て取り込みました。");
        // A fetch of which no record gave a line keeps the old files.
        if (written > 0) {
          files.Close();
        } else {
          files.Abandon();
        }
        return;
      } else {
        // The fetch is not whole: the old files stay.
        const std::string text = fetch::ReadErrorText(rc, race_key);
        view.ShowStatus(text);
        failure.Note(text);
        files.Abandon();
        return;
      }
    }
  } catch (const fetch::OutputError& e) {
    view.ShowStatus(e.status());
    failure.Note(e.status());
    files.Abandon();
  }
}

void JVClosing(jvlink::JVLink& jv, fetch::StatusView& view, const std::string& race_key,
               FetchFailure& failure) {
  const int rc = jv.JVClose();
  view.ShowStatus(fetch::CallResultText("JVClose", rc));
  if (rc != 0) failure.Note(fetch::CallResultText("JVClose", rc) + "   " + race_key);
}

}  // namespace

std::string OddsFilePath(const std::string& race_key, const char* prefix) {
  return fetch::DayFolder(base::Chars(race_key, 1, 8)) + "/" + prefix + OddsFileName(race_key);
}

std::string LoadOddsData(jvlink::JVLink& jv, fetch::StatusView& view, const std::string& data_spec,
                         const std::string& race_key) {
  view.ProcessMessages();
  FetchFailure failure;
  int rc = jv.JVRTOpen(data_spec, race_key);
  if (rc != 0) {
    view.ShowStatus("JVRTOpenエラー:" + race_key + std::to_string(rc));
    const std::string text = "VJ-Linkがオープンできません。" + race_key;
    view.ShowStatus(text);
    failure.Note(text);
  } else {
    JVReading(jv, view, data_spec, race_key, failure);
  }
  JVClosing(jv, view, race_key, failure);
  return failure.text();
}

RunEnd RunOddsFetch(jvlink::JVLink& jv, fetch::StatusView& view, const std::string& argument) {
  int rc = jv.JVInit(jvlink::kSoftwareId);
  view.ShowStatus(fetch::CallResultText("JVInit", rc));
  if (rc != 0) return RunEnd::kInitFailed;

  std::string race_key = argument;
  view.ShowStatus(argument);
  view.ProcessMessages();
  if (!argument.empty() && !fetch::IsRaceDay(argument)) {
    view.ShowStatus(fetch::BadRaceDayText(argument));
    return RunEnd::kBadArgument;
  }
  std::string race_file = fetch::DayFilePath(argument, "DG");
  try {
    if (!base::FileExistsOrThrow(race_file)) {
      view.ShowStatus("開催情報がありません");
      return RunEnd::kNoRaceFile;
    }
  } catch (const base::FileError& e) {
    view.ShowStatus(e.what());  // the day folder cannot be looked into: its cause
    return RunEnd::kNoRaceFile;
  }

  std::string first_failure;
  int failures = 0;
  auto note = [&](const std::string& failure) {
    if (failure.empty()) return;
    if (failures++ == 0) first_failure = failure;
  };
  for (const std::string& line : base::ReadLines(race_file)) {
    race_key = std::string(base::Chars(line, 1, 16));
    if (race_key.empty() || race_key[0] != '2' || !IsRaceOfDay(race_key, argument)) continue;
    if (view.CloseRequested()) return RunEnd::kStopped;
    view.ShowStatus("時系列オッズを取得中");
    note(LoadOddsData(jv, view, "0B41", race_key));
    if (view.CloseRequested()) return RunEnd::kStopped;
    view.ShowStatus("");
    note(LoadOddsData(jv, view, "0B42", race_key));
  }

  // Only races of the argument's day are fetched, so its folder is the one to look into.
  if (failures > 0) {
    view.ShowStatus(fetch::FailuresText(first_failure, failures));
  } else if (HasWinPlaceOddsFile(fetch::DayFolder(argument))) {
    view.ShowStatus("時系列オッズの読み込みを完了しました");
  } else {
    view.ShowStatus("オッズは提供されていないので受領できませんでした。");
  }
  return RunEnd::kDone;
}

}  // namespace pricepull
