#include <gtest/gtest.h>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "viewer/logic/TrackCaption.h"

namespace {

using viewer::MeetingKeys;
using viewer::ReadTrackCaption;
using viewer::TrackCaption;
using viewer::TrackCaptions;

// A race line of 18 fields with the data-kind character `kind` in field 13.
std::string RaceLine(const std::string& key, const std::string& kind = "7") {
  return key + ",2024,06,01,東京,11,\" \",日本ダービー,３歳,芝　左,2400,18,15:40," + kind +
         ",1,1,9,t";
}

TEST(MeetingKeys, DistinctAscendingFromTheRaceLines) {
  std::vector<std::string> lines = {
      RaceLine("2024060105030801"), RaceLine("2024060105030802"), RaceLine("2024060109020801"),
      RaceLine("2024060109020802"), RaceLine("2024060101010101"),
  };
  EXPECT_EQ((std::vector<std::string>{"20240601010101", "20240601050308", "20240601090208"}),
            MeetingKeys(lines));
}

TEST(MeetingKeys, NineKeepsTheKeyBeforeAndInterruptionsCountAgain) {
  EXPECT_TRUE(
      MeetingKeys({RaceLine("2024060105030801", "9"), RaceLine("2024060105030802", "9")}).empty());
  // A line with "9" keeps the current key, so it adds nothing.
  EXPECT_EQ((std::vector<std::string>{"20240601050308"}),
            MeetingKeys({RaceLine("2024060105030801"), RaceLine("2024060109020801", "9")}));
  // Interrupted by another racecourse: the first one is added twice.
  EXPECT_EQ((std::vector<std::string>{"20240601050308", "20240601050308", "20240601090208"}),
            MeetingKeys({RaceLine("2024060105030801"), RaceLine("2024060109020801"),
                         RaceLine("2024060105030802")}));
  // A line without field 13 is no "9"; an empty line gives an empty key, never added.
  EXPECT_EQ((std::vector<std::string>{"20240601050308"}),
            MeetingKeys({"", "2024060105030801,x", ""}));
}

TEST(TrackCaption, FourteenBytes) {
  struct {
    const char* key;
    const char* caption;
  } cases[] = {
      {"20240601050308", "東京 3回 8日目"},
      {"20240601050210", "東京 2回10日目"},
      {"20240601060111", "中山 1回11日目"},
      {"20240601100212", "小倉 2回12日目"},
      {"20240601010101", "札幌 1回 1日目"},
      // Two-digit meetings and days keep both digits.
      {"20240601051113", "東京11回13日目"},
      {"20240601051020", "東京10回20日目"},
  };
  for (const auto& c : cases) {
    auto caption = TrackCaption(c.key);
    ASSERT_TRUE(caption) << c.key;
    EXPECT_SJIS_EQ(c.caption, *caption);
    EXPECT_EQ(14u, caption->size());
  }
  for (const char* key : {"20240601000308", "20240601110308", "20240601990308", "2024060105030",
                          "202406010503080", "2024060105 308", ""}) {
    EXPECT_FALSE(TrackCaption(key)) << key;
  }
}

TEST(TrackCaption, ReadsBackTheMeetingItStandsFor) {
  for (const char* key : {"20240601050308", "20240601050210", "20240601060111", "20240601100212",
                          "20240601051113", "20240601051020", "20240601070901", "20240601040000"}) {
    viewer::TrackChoice t = ReadTrackCaption(*TrackCaption(key));
    EXPECT_EQ(std::string(key).substr(8, 2), t.track_code) << key;
    EXPECT_EQ(std::string(key).substr(10, 4), t.meeting_day) << key;
  }
  // A caption in the single-digit form reads back as "0" + meeting digit + "%.2d" day.
  viewer::TrackChoice t = ReadTrackCaption("阪神 4回 6日目");
  EXPECT_EQ("09", t.track_code);
  EXPECT_EQ("0406", t.meeting_day);
  EXPECT_EQ("", ReadTrackCaption("大井 4回 6日目").track_code);
  EXPECT_THROW(ReadTrackCaption("阪神 4回xx日目"), base::ConversionError);
  EXPECT_THROW(ReadTrackCaption(" "), base::ConversionError);
}

TEST(TrackCaptions, AtMostThreeKnownRacecourses) {
  std::vector<std::string> two = {RaceLine("2024060109020801"), RaceLine("2024060105030801")};
  std::vector<std::string> captions = TrackCaptions(two);
  ASSERT_EQ(2u, captions.size());
  EXPECT_SJIS_EQ("東京 3回 8日目", captions[0]);
  EXPECT_SJIS_EQ("阪神 2回 8日目", captions[1]);

  std::vector<std::string> four = {RaceLine("2024060109020801"), RaceLine("2024060105030801"),
                                   RaceLine("2024060101010101"), RaceLine("2024060110020101")};
  captions = TrackCaptions(four);
  ASSERT_EQ(3u, captions.size());
  EXPECT_SJIS_EQ("札幌 1回 1日目", captions[0]);
  EXPECT_SJIS_EQ("阪神 2回 8日目", captions[2]);

  // An unknown racecourse code gets no button and takes no place.
  std::vector<std::string> unknown = {RaceLine("2024060100020801"), RaceLine("2024060105030801"),
                                      RaceLine("2024060109020801"), RaceLine("2024060110020101")};
  captions = TrackCaptions(unknown);
  ASSERT_EQ(3u, captions.size());
  EXPECT_SJIS_EQ("東京 3回 8日目", captions[0]);
  EXPECT_SJIS_EQ("小倉 2回 1日目", captions[2]);
}

}  // namespace
