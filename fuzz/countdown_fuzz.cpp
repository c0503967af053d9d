// The post-time countdown of the per-horse window on any post time. Input parts: the race's
// PostTime (as its record holds it), the day yymmdd, and six bytes for the moment (year,
// month, day, hour, minute, second, each taken into its range).
//
// Only a post time "hh:mm" of digits gives seconds; a rebuild starts the timer only on the
// race day within the hour before such a post time and tells that voting has closed only
// after it, never both; a timer tick shows minutes and seconds 0-59 left, or stops.
#include <cctype>

#include "fuzz/fuzz_support.h"
#include "viewer/logic/Countdown.h"

namespace {

bool Digits(std::string_view t) {
  for (char c : t) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return !t.empty();
}

// "hh:mm" of digits, as the memo's post time field holds it.
bool IsDigitTime(std::string_view t) {
  return t.size() == 5 && Digits(t.substr(0, 2)) && t[2] == ':' && Digits(t.substr(3, 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzzsupport::Parts(fuzzsupport::Bytes(data, size), 3);
  const std::string field = viewer::PostTimeField(parts[0]);
  const std::string file_date(parts[1]);
  std::uint8_t b[6] = {};
  for (std::size_t i = 0; i < 6 && i < parts[2].size(); ++i) b[i] = parts[2][i];
  const base::DateTime now{
      {2000 + b[0] % 100, b[1] % 12 + 1, b[2] % 28 + 1}, b[3] % 24, b[4] % 60, b[5] % 60};

  const std::optional<int32_t> s = viewer::SecondsBetween(field + ":00", viewer::TimeText(now));
  FUZZ_CHECK(s.has_value() == IsDigitTime(field), fuzzsupport::Shown(field));
  if (s) {
    FUZZ_CHECK(viewer::SecondsBetween(viewer::TimeText(now), field + ":00") == -*s, field);
  }

  const viewer::CountdownStart start = viewer::DecideCountdown(file_date, field, now);
  FUZZ_CHECK(!(start.start_timer && start.show_post_time_past), fuzzsupport::Shown(field));
  if (start.start_timer) FUZZ_CHECK(s && 0 < *s && *s < 3600, fuzzsupport::Shown(field));
  if (start.show_post_time_past) FUZZ_CHECK(s && *s < 0, fuzzsupport::Shown(field));

  const viewer::TimerTick tick = viewer::TickCountdown(field, now);
  if (tick.stop) {
    FUZZ_CHECK(!tick.memo || *tick.memo == viewer::PostTimePastText(12), field);
  } else {
    FUZZ_CHECK(s && *s >= 0 && tick.memo && tick.memo->lines.size() == 5, field);
    const int32_t left = *s;
    FUZZ_CHECK(tick.memo->lines[3] == "発走時間まで" + std::to_string(left / 60) + "分" +
                                          std::to_string(left % 60) + "秒です",
               fuzzsupport::Shown(tick.memo->lines[3]));
  }
  return 0;
}
