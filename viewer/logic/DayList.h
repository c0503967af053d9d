// The race-day list of the main window and the day fields of a chosen day.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dates.h"

namespace viewer {

// The items of the day list from the names of the entries of jv_data: sorted descending
// byte by byte, each name N rewritten as N[1-4] "/" N[5-6] "/" N[7-8].
std::vector<std::string> RaceDayItems(std::vector<std::string> entry_names);

// The index of the default day: the first item; when it lies after today the second; when
// that one too, the third. A list shorter than that ends the rule at its last item; an
// empty list gives no day. The third item is taken without being read as a date; an
// item the rule reads that is not a date yyyy/mm/dd throws base::ConversionError naming it.
std::optional<std::size_t> DefaultDayIndex(const std::vector<std::string>& items,
                                           const base::Date& today);

// The eight digits of a day text "yyyy/mm/dd": characters 1-4, 6-7 and 9-10 (the text is
// not checked; a shorter text gives what stands there). The name of the day's folders and
// the fetch programs' day argument.
std::string RaceDayOfText(std::string_view day_text);

// The day fields of the viewer's state for a chosen day text.
struct DayFields {
  std::string chosen_file_date;  // yymmdd
  std::string day_data_folder;   // data folder "/" yyyymmdd
  std::string day_work_folder;   // work folder "/" yyyymmdd
  std::string race_file_name;    // "DG" yymmdd ".CSV"
};
DayFields ApplyDayText(std::string_view day_text, std::string_view data_folder,
                       std::string_view work_folder);

}  // namespace viewer
