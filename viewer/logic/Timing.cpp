#include "viewer/logic/Timing.h"

#include <optional>

#include "base/csv.h"
#include "base/errors.h"
#include "base/values.h"
#include "viewer/logic/Fields.h"

namespace viewer {
namespace {

// One or two digits, a value below `limit`.
std::optional<int> TimePart(std::string_view part, int limit) {
  if (part.empty() || part.size() > 2) return std::nullopt;
  int v = 0;
  for (char c : part) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v >= limit) return std::nullopt;
  return v;
}

TimeSet SetOf(const std::vector<std::string>& f) {
  return {f[0], f[2], f[3], f[4], f[5], f[6], f[7]};
}

}  // namespace

int TimeOfDaySeconds(std::string_view text) {
  std::size_t c1 = text.find(':');
  if (c1 == std::string_view::npos) throw base::NotATime(text);
  std::string_view rest = text.substr(c1 + 1);
  std::size_t c2 = rest.find(':');
  auto h = TimePart(text.substr(0, c1), 24);
  auto m = TimePart(rest.substr(0, c2), 60);
  std::optional<int> s = 0;
  if (c2 != std::string_view::npos) s = TimePart(rest.substr(c2 + 1), 60);
  if (!h || !m || !s) throw base::NotATime(text);
  return *h * 3600 + *m * 60 + *s;
}

SnapshotTimes MatchSnapshotTimes(const std::vector<std::string>& lines, std::string_view post_time,
                                 std::string_view timing_file) {
  SnapshotTimes times;
  times.timing_file = timing_file;
  times.post_time = post_time;
  std::optional<int> post;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::vector<std::string> f = base::SplitCsvLine(lines[n]);
    if (!post) post = TimeOfDaySeconds(post_time);
    if (f.size() < 2) {
      throw base::Error("The odds-timing line has no post-time band (column 1)" +
                        LinePlace(timing_file, n));
    }
    int band = AtLine(timing_file, n, [&] { return TimeOfDaySeconds(f[1] + ":00"); });
    if (!(band <= *post && *post < band + 5 * 60)) continue;
    if (f.size() < 8) {
      throw base::Error("The odds-timing line has " + std::to_string(f.size()) +
                        " fields; a row needs 8" + LinePlace(timing_file, n));
    }
    const bool race_day = f[0] == "0";
    (race_day ? times.race_day : times.previous_day) = SetOf(f);
    (race_day ? times.race_day_line : times.previous_day_line) = n;
  }
  return times;
}

bool AllSnapshotsEmpty(const RaceOddsRecord& r) {
  for (int s = 1; s <= RaceOddsRecord::kSnapshots; ++s) {
    if (r.Label(s) != "90000") return false;
  }
  return true;
}

std::string TimeButtonCaption(std::string_view label) {
  std::string time;
  time.append(base::Chars(label, 2, 3)).append(":").append(base::Chars(label, 4, 5));
  if (label.empty()) return " ";
  if (label[0] == '1') return "前 " + time;
  if (label[0] == '2') return "  " + time;
  return " ";
}

TimeButtons PlanTimeButtons(const RaceOddsRecord& r, int32_t previous_time2) {
  TimeButtons b;
  b.captions.fill(" ");
  b.chosen_time2 = previous_time2;
  for (int k = 1; k <= RaceOddsRecord::kSnapshots; ++k) {
    std::string label = r.Label(k);
    if (!(label < "90000")) continue;
    int32_t s = r.SlotNumber(k);
    if (s < 1 || s > 6) continue;
    b.chosen_time2 = s;
    if (!label.empty() && (label[0] == '1' || label[0] == '2')) {
      b.captions[s - 1] = TimeButtonCaption(label);
    }
  }
  return b;
}

}  // namespace viewer
