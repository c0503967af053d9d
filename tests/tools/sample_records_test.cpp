// The sample records put every field where the formatters read it.
#include "tools/sampledata/sample_records.h"

#include <gtest/gtest.h>

#include "base/values.h"
#include "tests/support/sjis_assert.h"
#include "tools/sampledata/names.h"

namespace sampledata {
namespace {

using base::Chars;
using base::ValueOf;

Race SmallRace() {
  Race race;
  race.day = {2024, 3, 9};
  race.course = 6;
  race.meeting = 2;
  race.meeting_day = 10;
  race.number = 11;
  race.name = "若葉ステークス";
  race.ordinal = 85;
  race.grade = 'C';
  race.age_code = 14;
  race.entry_code = 'N';
  race.sex_code = '2';
  race.designation = '1';
  race.weight_code = '2';
  race.class_code = 999;
  race.distance = 1800;
  race.track_code = 17;
  race.post_hour = 15;
  race.post_minute = 45;
  race.weather = 2;
  race.turf_going = 3;
  race.dirt_going = 4;
  for (int h = 1; h <= 10; ++h) {
    Runner r;
    r.number = h;
    r.bracket = BracketOf(h, 10);
    r.name = h == 3 ? "アオバスター" : "ハヤテ";
    r.sex = 3;
    r.age = 5;
    r.coat = 4;
    r.affiliation = 2;
    r.jockey = "田中誠　";
    r.trainer = "佐藤健太";
    r.owner = "山田正人";
    r.weight_carried = 575;
    r.strength = h;
    r.finish = h == 3 ? 1 : 0;
    r.time = 1482;
    race.runners.push_back(r);
  }
  return race;
}

TEST(SampleRecords, RaceRecordFields) {
  std::string r = RaceRecord(SmallRace(), '7');
  ASSERT_EQ(static_cast<std::size_t>(kRaceRecordLength), r.size());
  EXPECT_EQ("RA7", Chars(r, 1, 3));
  EXPECT_EQ("2024030906021011", Chars(r, 12, 27));
  EXPECT_SJIS_EQ(PadWide("若葉ステークス", 60), Chars(r, 33, 92));
  EXPECT_EQ("085", Chars(r, 612, 614));
  EXPECT_EQ("C", Chars(r, 615, 615));
  EXPECT_EQ(14, ValueOf(r, 617, 618));
  EXPECT_EQ("N212", Chars(r, 619, 622));  // entry, sex, designation, weight rule
  EXPECT_EQ(999, ValueOf(r, 635, 637));
  EXPECT_EQ("1800", Chars(r, 698, 701));
  EXPECT_EQ(17, ValueOf(r, 706, 707));
  EXPECT_EQ("1545", Chars(r, 874, 877));
  EXPECT_EQ(10, ValueOf(r, 882, 883));
  EXPECT_EQ("234", Chars(r, 888, 890));
  EXPECT_EQ(std::string(100, ' '), Chars(r, 93, 192)) << "blanks elsewhere";
}

TEST(SampleRecords, RaceRecordWithoutNameOrConditionsStillGivesValues) {
  Race race = SmallRace();
  race.name.clear();
  race.ordinal = 0;
  race.grade = ' ';
  race.class_code = 5;
  std::string r = RaceRecord(race, '2');
  EXPECT_SJIS_EQ(PadWide("", 60), Chars(r, 33, 92));
  EXPECT_EQ(0, ValueOf(r, 612, 614));
  EXPECT_EQ(" ", Chars(r, 615, 615));
  EXPECT_EQ("005", Chars(r, 635, 637));
}

TEST(SampleRecords, RunnerRecordFields) {
  Race race = SmallRace();
  std::string r = RunnerRecord(race, race.runners[2], 4, '7');
  ASSERT_EQ(static_cast<std::size_t>(kRunnerRecordLength), r.size());
  EXPECT_EQ("SE7", Chars(r, 1, 3));
  EXPECT_EQ("2024030906021011", Chars(r, 12, 27));
  EXPECT_EQ("240309", Chars(r, 14, 19));
  EXPECT_EQ("303", Chars(r, 28, 30));  // bracket 3 (10 runners), horse 3
  EXPECT_SJIS_EQ("アオバスター　　　　　　　　　　　　", Chars(r, 41, 76));
  EXPECT_EQ("3", Chars(r, 79, 79));
  EXPECT_EQ("04", Chars(r, 81, 82));
  EXPECT_EQ(5, ValueOf(r, 83, 84));
  EXPECT_EQ("2", Chars(r, 85, 85));
  EXPECT_SJIS_EQ("佐藤健太", Chars(r, 91, 98));
  EXPECT_SJIS_EQ(PadWide("山田正人", 64), Chars(r, 105, 168));
  EXPECT_EQ("575", Chars(r, 289, 291));
  EXPECT_SJIS_EQ("田中誠　", Chars(r, 307, 314));
  EXPECT_EQ(1, ValueOf(r, 335, 336));
  EXPECT_EQ("1482", Chars(r, 360, 363));
  EXPECT_EQ(4, ValueOf(r, 364, 365));
  EXPECT_EQ("0000000000000000", Chars(r, 366, 381));
}

TEST(SampleRecords, PayoffRecordGroups) {
  Payoffs pay;
  pay.win = {{{3}, 450, 2}};
  pay.place = {{{3}, 160, 2}, {{7}, 230, 4}, {{1}, 1020, 9}};
  pay.bracket = {{{2, 5}, 1310, 6}};
  pay.quinella = {{{3, 7}, 1880, 7}};
  pay.wide = {{{1, 3}, 2500, 21}, {{1, 7}, 4410, 30}, {{3, 7}, 690, 8}};
  pay.exacta = {{{3, 7}, 3350, 11}};
  pay.trio = {{{1, 3, 7}, 12570, 44}};
  pay.trifecta = {{{3, 7, 1}, 76540, 233}};
  std::string r = PayoffRecord(SmallRace(), pay, '2');
  ASSERT_EQ(static_cast<std::size_t>(kPayoffRecordLength), r.size());
  EXPECT_EQ("HR2", Chars(r, 1, 3));
  EXPECT_EQ("03", Chars(r, 103, 104));
  EXPECT_EQ("000000450", Chars(r, 105, 113));
  EXPECT_EQ("02", Chars(r, 114, 115));
  EXPECT_EQ(std::string(13, ' '), Chars(r, 116, 128)) << "unused win entries stay blank";
  EXPECT_EQ("07000000230", Chars(r, 155, 165));  // place entry 1
  EXPECT_EQ("01000001020", Chars(r, 168, 178));  // place entry 2
  EXPECT_EQ("25000001310", Chars(r, 207, 217));
  EXPECT_EQ("0307000001880", Chars(r, 246, 258));
  EXPECT_EQ("0307000000690", Chars(r, 326, 338));  // quinella place entry 2
  EXPECT_EQ(std::string(48, ' '), Chars(r, 406, 453));
  EXPECT_EQ("0307000003350", Chars(r, 454, 466));
  EXPECT_EQ("010307000012570", Chars(r, 550, 564));
  EXPECT_EQ("030701000076540", Chars(r, 604, 618));
  EXPECT_EQ("0233", Chars(r, 619, 622));
}

TEST(SampleRecords, OddsRecordFields) {
  Race race = SmallRace();
  Market m;
  for (int h = 1; h <= 10; ++h) {
    m.win.push_back(10 * h + 5);
    m.place_low.push_back(10 + h);
    m.place_high.push_back(20 + h);
  }
  m.bracket.assign(36, 0);
  m.bracket[BracketPairIndex(1, 2)] = 153;
  m.bracket[BracketPairIndex(8, 8)] = 99999;
  m.quinella.assign(153, 0);
  m.quinella[HorsePairIndex(1, 2)] = 1234;
  m.quinella[HorsePairIndex(9, 10)] = 999999;
  m.win_votes = 12345;
  m.place_votes = 678;
  m.bracket_votes = 9;
  m.quinella_votes = 2147483647;
  base::DateTime t{{2024, 3, 8}, 19, 5, 0};

  std::string o1 = WinPlaceOddsRecord(race, m, t, '1');
  ASSERT_EQ(static_cast<std::size_t>(kWinPlaceOddsRecordLength), o1.size());
  EXPECT_EQ("O11", Chars(o1, 1, 3));
  EXPECT_EQ("2024030906021011", Chars(o1, 12, 27));
  EXPECT_EQ("03081905", Chars(o1, 28, 35));
  EXPECT_EQ(10, ValueOf(o1, 36, 37));
  for (int h = 1; h <= 10; ++h) {
    SCOPED_TRACE(h);
    EXPECT_EQ(10 * h + 5, ValueOf(o1, 46 + 8 * (h - 1), 49 + 8 * (h - 1)));
    EXPECT_EQ(10 + h, ValueOf(o1, 270 + 12 * (h - 1), 273 + 12 * (h - 1)));
    EXPECT_EQ(20 + h, ValueOf(o1, 274 + 12 * (h - 1), 277 + 12 * (h - 1)));
  }
  EXPECT_EQ(std::string(8, ' '), Chars(o1, 44 + 8 * 10, 51 + 8 * 10)) << "no horse 11";
  EXPECT_EQ("00153", Chars(o1, 606 + 9 * 1, 610 + 9 * 1));
  EXPECT_EQ("-----", Chars(o1, 606, 610)) << "pair 1-1 cannot occur";
  EXPECT_EQ("99999", Chars(o1, 606 + 9 * 35, 610 + 9 * 35));
  EXPECT_EQ("00000012345", Chars(o1, 928, 938));
  EXPECT_EQ("00000000678", Chars(o1, 939, 949));
  EXPECT_EQ("00000000009", Chars(o1, 950, 960));

  std::string o2 = QuinellaOddsRecord(race, m, t, '1');
  ASSERT_EQ(static_cast<std::size_t>(kQuinellaOddsRecordLength), o2.size());
  EXPECT_EQ("O21", Chars(o2, 1, 3));
  EXPECT_EQ("03081905", Chars(o2, 28, 35));
  EXPECT_EQ("001234", Chars(o2, 45, 50));
  int k = HorsePairIndex(9, 10);
  EXPECT_EQ("999999", Chars(o2, 45 + 13 * k, 50 + 13 * k));
  int beyond = HorsePairIndex(10, 11);
  EXPECT_EQ(std::string(13, ' '), Chars(o2, 41 + 13 * beyond, 53 + 13 * beyond));
  EXPECT_EQ("02147483647", Chars(o2, 2030, 2040));
}

TEST(SampleRecords, PairIndexesFollowThePairOrder) {
  EXPECT_EQ(0, BracketPairIndex(1, 1));
  EXPECT_EQ(7, BracketPairIndex(1, 8));
  EXPECT_EQ(8, BracketPairIndex(2, 2));
  EXPECT_EQ(35, BracketPairIndex(8, 8));
  EXPECT_EQ(0, HorsePairIndex(1, 2));
  EXPECT_EQ(17, HorsePairIndex(2, 3));
  EXPECT_EQ(152, HorsePairIndex(17, 18));
}

TEST(SampleRecords, BracketsOfTheRunners) {
  struct Case {
    int runners;
    std::vector<int> brackets;
  } cases[] = {
      {8, {1, 2, 3, 4, 5, 6, 7, 8}},
      {10, {1, 2, 3, 4, 5, 6, 7, 7, 8, 8}},
      {16, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}},
      {17, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8}},
      {18, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8}},
  };
  for (const Case& c : cases) {
    std::vector<int> got;
    for (int h = 1; h <= c.runners; ++h) got.push_back(BracketOf(h, c.runners));
    EXPECT_EQ(c.brackets, got) << c.runners << " runners";
  }
}

TEST(SampleNames, PaddingAndLengths) {
  EXPECT_EQ("ハヤテ　　", PadWide("ハヤテ", 10));
  EXPECT_EQ("ハヤ", PadWide("ハヤテ", 5).substr(0, 4));
  EXPECT_EQ(5u, PadWide("ハヤテ", 5).size());
  Rng rng(3);
  std::set<std::string> used;
  for (int i = 0; i < 700; ++i) {
    std::string name = HorseName(rng, used);
    ASSERT_LE(WideLength(name), 9);
    ASSERT_EQ(name.size(), 2u * WideLength(name)) << "full-width characters only";
    ASSERT_EQ(8u, PersonName(rng).size());
  }
  EXPECT_EQ(700u, used.size());
}

}  // namespace
}  // namespace sampledata
