#include "viewer/logic/MainDisplay.h"

#include <cstdio>

namespace viewer {

int SnapshotOfButton(const RaceOddsRecord& r, int32_t button, int previous) {
  int found = previous;
  for (int k = 1; k <= RaceOddsRecord::kSnapshots; ++k) {
    if (r.SlotNumber(k) == button) found = k;
  }
  return found;
}

std::string VoteFieldText(int32_t total) {
  char text[16];
  std::snprintf(text, sizeof text, "%10d", total);
  return text;
}

std::string WeatherText(int32_t w) {
  if (w == 0) return " ";
  switch (std::to_string(w)[0]) {
    case '1':
      return "天候：晴";
    case '2':
      return "天候：曇";
    case '3':
      return "天候：雨";
    case '4':
      return "天候：小雨";
    case '5':
      return "天候：雪";
    case '6':
      return "天候：小雪";
    default:
      return " ";
  }
}

std::string GoingSuffix(int32_t w) {
  std::string s = std::to_string(w);
  if (w == 0 || s.size() < 2) return "";
  switch (s[1]) {
    case '1':
      return "・良";
    case '2':
      return "・稍重";
    case '3':
      return "・重";
    case '4':
      return "・不良";
    default:
      return "";
  }
}

std::string AnalysisWindowCaption(AnalysisWindow window, const RaceOddsRecord& r) {
  const char* prefix = window == AnalysisWindow::kHorse      ? "馬分析表          "
                       : window == AnalysisWindow::kQuinella ? "馬連分析表        "
                                                             : "枠分析表          ";
  return prefix + r.RaceName() + r.ConditionText();
}

}  // namespace viewer
