#include "viewer/logic/Countdown.h"

#include <cctype>
#include <cstdio>

#include "base/values.h"

namespace viewer {

namespace {

// Two decimal digits, nothing else: a blank or a sign makes a post time that is not "hh:mm".
std::optional<int32_t> TwoDigits(std::string_view t) {
  if (t.size() != 2 || !std::isdigit(static_cast<unsigned char>(t[0])) ||
      !std::isdigit(static_cast<unsigned char>(t[1]))) {
    return std::nullopt;
  }
  return (t[0] - '0') * 10 + (t[1] - '0');
}

std::optional<int32_t> SecondsOfDay(std::string_view t) {
  const auto h = TwoDigits(base::Chars(t, 1, 2));
  const auto m = TwoDigits(base::Chars(t, 4, 5));
  const auto s = TwoDigits(base::Chars(t, 7, 8));
  if (!h || !m || !s) return std::nullopt;
  return *h * 3600 + *m * 60 + *s;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::optional<int32_t> SecondsToPostTime(std::string_view post_time, const base::DateTime& now) {
  return SecondsBetween(std::string(post_time) + ":00", TimeText(now));
}

}  // namespace

MemoText InformationText() {
  return {{"　", "【この欄の表示内容】", "　", "１．発走約60分前からは発走までの時間", "　",
           "２．払い戻しデータ入手後はその内容", "　", "を表示します"},
          10,
          ui::kBlack};
}

MemoText PostTimePastText(int font_size) {
  return {{"　", "発走時間が過ぎました。", "　", "投票は締め切られています"}, font_size, ui::kRed};
}

MemoText PayoffText(std::vector<std::string> lines) { return {std::move(lines), 10, ui::kBlue}; }

MemoText CountdownText(const base::DateTime& now, int32_t seconds_left) {
  const std::string left = "発走時間まで" + std::to_string(seconds_left / 60) + "分" +
                           std::to_string(seconds_left % 60) + "秒です";
  return {{"　", DateTimeText(now), "　", left, "　"}, 15, ui::kBlack};
}

std::string PostTimeField(std::string_view post_time) {
  return std::string(base::Chars(post_time, 1, 2)) + ":" +
         std::string(base::Chars(post_time, 4, 5));
}

std::string DateTimeText(const base::DateTime& t) {
  return base::SlashedDate(t.date) + " " + TimeText(t);
}

std::string TimeText(const base::DateTime& t) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

std::optional<int32_t> SecondsBetween(std::string_view a, std::string_view b) {
  const auto sa = SecondsOfDay(a);
  const auto sb = SecondsOfDay(b);
  if (!sa || !sb) return std::nullopt;
  return *sa - *sb;
}

CountdownStart DecideCountdown(std::string_view file_date, std::string_view post_time,
                               const base::DateTime& now) {
  const std::string day = "20" + std::string(base::Chars(file_date, 1, 2)) + "/" +
                          std::string(base::Chars(file_date, 3, 4)) + "/" +
                          std::string(base::Chars(file_date, 5, 6));
  const auto s = SecondsToPostTime(post_time, now);
  if (!s || !SameIgnoringCase(day, base::SlashedDate(now.date))) return {};
  return {0 < *s && *s < 3600, *s < 0};
}

TimerTick TickCountdown(std::string_view post_time, const base::DateTime& now) {
  const auto s = SecondsToPostTime(post_time, now);
  if (!s) return {std::nullopt, true};
  if (*s < 0) return {PostTimePastText(12), true};
  return {CountdownText(now, *s), false};
}

}  // namespace viewer
