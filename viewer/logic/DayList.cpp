#include "viewer/logic/DayList.h"

#include <algorithm>

#include "base/errors.h"
#include "base/values.h"

namespace viewer {

std::vector<std::string> RaceDayItems(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return b < a;  // std::string compares bytes as unsigned char
  });
  for (auto& n : names) {
    std::string item;
    item.append(base::Chars(n, 1, 4)).append("/");
    item.append(base::Chars(n, 5, 6)).append("/");
    item.append(base::Chars(n, 7, 8));
    n = std::move(item);
  }
  return names;
}

std::optional<std::size_t> DefaultDayIndex(const std::vector<std::string>& items,
                                           const base::Date& today) {
  if (items.empty()) return std::nullopt;
  std::size_t i = 0;
  for (;; ++i) {
    if (i == 2) return i;  // the third item is taken unread
    auto day = base::ParseDate(items[i]);
    if (!day) {
      throw base::ConversionError("'" + items[i] +
                                  "' is not a valid date: an entry of jv_data that is not a "
                                  "race day stops the choice of the default day");
    }
    if (*day <= today || i + 1 == items.size()) return i;
  }
}

std::string RaceDayOfText(std::string_view t) {
  std::string d;
  d.append(base::Chars(t, 1, 4)).append(base::Chars(t, 6, 7)).append(base::Chars(t, 9, 10));
  return d;
}

DayFields ApplyDayText(std::string_view t, std::string_view data_folder,
                       std::string_view work_folder) {
  DayFields f;
  std::string day = RaceDayOfText(t);
  f.chosen_file_date.append(base::Chars(t, 3, 4))
      .append(base::Chars(t, 6, 7))
      .append(base::Chars(t, 9, 10));
  f.day_data_folder = std::string(data_folder) + "/" + day;
  f.day_work_folder = std::string(work_folder) + "/" + day;
  f.race_file_name = "DG" + f.chosen_file_date + ".CSV";
  return f;
}

}  // namespace viewer
