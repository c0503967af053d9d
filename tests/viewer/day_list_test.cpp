#include <gtest/gtest.h>

#include "base/errors.h"
#include "viewer/logic/DayList.h"

namespace {

using viewer::DefaultDayIndex;
using viewer::RaceDayItems;

TEST(RaceDayItems, NewestFirstAsSlashedDates) {
  EXPECT_EQ((std::vector<std::string>{"2024/06/02", "2024/06/01", "2023/12/28", "2023/01/05"}),
            RaceDayItems({"20231228", "20240601", "20230105", "20240602"}));
  // Byte-wise: a name that begins with a letter sorts before every day, as does a byte
  // above 0x7F; short names give what they have.
  EXPECT_EQ((std::vector<std::string>{"\xE0x//", "abc//", "2024/06/01", "2024//"}),
            RaceDayItems({"2024", "abc", "20240601", "\xE0x"}));
  EXPECT_TRUE(RaceDayItems({}).empty());
}

TEST(DefaultDayIndex, FirstNotAfterTodayAmongTheFirstThree) {
  const base::Date today{2024, 6, 10};
  struct {
    std::vector<std::string> items;
    std::optional<std::size_t> chosen;
  } cases[] = {
      {{"2024/06/14", "2024/06/08", "2024/06/07"}, 1},  // 4 days after, 2 and 3 before
      {{"2024/06/10", "2024/06/08"}, 0},                // today itself
      {{"2024/06/09", "2024/06/20"}, 0},
      {{"2024/06/30", "2024/06/20", "2024/06/11", "2024/06/01"}, 2},  // three after: the third
      {{"2024/06/30", "2024/06/20", "2024/06/10"}, 2},
      {{"2024/06/30"}, 0},                // one day, after today: that day
      {{"2024/06/30", "2024/06/20"}, 1},  // two days, both after today: the second
      {{"2024/06/30", "2024/06/01"}, 1},
      {{}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.chosen, DefaultDayIndex(c.items, today)) << c.items.size();
  }
}

TEST(DefaultDayIndex, AnEntryThatIsNoDateStopsTheChoice) {
  const base::Date today{2024, 6, 10};
  try {
    DefaultDayIndex(RaceDayItems({"20240601", "README.txt"}), today);
    FAIL() << "no error";
  } catch (const base::ConversionError& e) {
    EXPECT_NE(std::string::npos, std::string(e.what()).find("'READ/ME/.t' is not a valid date"))
        << e.what();
  }
  // Read only where the rule reads: a bad third item after a day before today is not read.
  EXPECT_EQ(0u, DefaultDayIndex({"2024/06/01", "2024/06/02", "junk"}, today));
  EXPECT_THROW(DefaultDayIndex({"2024/07/01", "2024/06/31"}, today), base::ConversionError);
  // The third item is taken without being read as a date.
  EXPECT_EQ(2u, DefaultDayIndex({"2024/07/01", "2024/06/30", "1abc//"}, today));
}

TEST(ApplyDayText, DayFields) {
  viewer::DayFields f = viewer::ApplyDayText("2024/06/01", "/base/jv_data", "/base/wo_data");
  EXPECT_EQ("240601", f.chosen_file_date);
  EXPECT_EQ("/base/jv_data/20240601", f.day_data_folder);
  EXPECT_EQ("/base/wo_data/20240601", f.day_work_folder);
  EXPECT_EQ("DG240601.CSV", f.race_file_name);
  EXPECT_EQ("20240601", viewer::RaceDayOfText("2024/06/01"));
  // Typed texts are used as they stand, never read past their end.
  f = viewer::ApplyDayText("2024/0", "d", "w");
  EXPECT_EQ("240", f.chosen_file_date);
  EXPECT_EQ("d/20240", f.day_data_folder);
  EXPECT_EQ("DG240.CSV", f.race_file_name);
  EXPECT_EQ("", viewer::RaceDayOfText(""));
  EXPECT_EQ("DG.CSV", viewer::ApplyDayText("", "d", "w").race_file_name);
}

}  // namespace
