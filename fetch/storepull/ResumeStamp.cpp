#include "fetch/storepull/ResumeStamp.h"

#include <algorithm>
#include <cctype>

#include "base/errors.h"
#include "base/files.h"
#include "base/fixed_record.h"

namespace storepull {
namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void WriteResumeStamp(const std::string& path, std::string_view stamp) {
  std::string record(kConfigRecordSize, '\0');
  base::PutShortString(record, 0, kStampCapacity, stamp);
  base::WriteFileAtomic(path, record);
}

std::optional<base::Date> StampDate(std::string_view stamp, const base::Date& today) {
  if (stamp.size() < 8) return std::nullopt;
  std::string_view yymmdd = stamp.substr(2, 6);
  if (!AllDigits(yymmdd)) return std::nullopt;
  base::Date d{base::ExpandTwoDigitYear(Number(yymmdd.substr(0, 2)), today.year),
               Number(yymmdd.substr(2, 2)), Number(yymmdd.substr(4, 2))};
  if (!base::IsValidDate(d)) return std::nullopt;
  return d;
}

std::string FromDateFor(const base::Date& start, std::string_view resume_stamp) {
  std::string day = base::Yyyymmdd(start);
  if (SameIgnoringCase(day,
                       resume_stamp.substr(0, std::min<std::size_t>(8, resume_stamp.size())))) {
    return std::string(resume_stamp);
  }
  return day + "000000";
}

StartState StartStateFromFile(const std::string& path, const base::Date& today) {
  constexpr char kFallback[] = "取得開始日を1か月前にしました";
  StartState state;
  state.start_date = base::AddMonths(today, -1);
  std::string bytes;
  try {
    if (!base::FileOrNothing(path)) return state;
    bytes = base::ReadFileBytes(path);
  } catch (const base::FileError& e) {
    state.error = std::string(e.what()) + "\r\n" + kFallback;
    return state;
  }
  if (bytes.size() < kConfigRecordSize) {
    state.message = std::string(kConfigFile) + "が壊れています（" + std::to_string(bytes.size()) +
                    "バイト）。" + kFallback;
    return state;
  }
  state.resume_stamp = base::GetShortString(bytes, 0, kStampCapacity);
  if (auto d = StampDate(state.resume_stamp, today)) {
    state.start_date = *d;
  } else {
    state.message = std::string(kConfigFile) + "の日付が正しくありません（" + state.resume_stamp +
                    "）。" + kFallback;
  }
  return state;
}

}  // namespace storepull
