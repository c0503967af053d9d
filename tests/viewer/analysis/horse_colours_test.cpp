#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"
#include "viewer/logic/HorseColours.h"
#include "viewer/logic/HorseSort.h"

namespace {

using ui::CellStyle;
using ui::Color;
namespace band = viewer::band;

const Color kWhite{255, 255, 255};
const Color kGrey{233, 233, 233};
const Color kNumberGrey{228, 228, 228};
const Color kDifferenceGrey{244, 244, 244};
const Color kBlack{0, 0, 0};
const Color kRed{255, 0, 0};
const Color kBlue{0, 0, 255};
const Color kPink3{255, 213, 236};
const Color kPink2{255, 151, 194};
const Color kPink1{255, 81, 146};
const Color kYellow{255, 255, 136};
const std::string kP = "ＭＳ Ｐゴシック";

// Three horses; column 1 holds their numbers, horse 2 is of 栗, everything else blank.
base::TextGrid ThreeHorses() {
  base::TextGrid grid(19, 19, " ");
  for (int row = 1; row <= 3; ++row) grid.SetCell(1, row, " " + std::to_string(row));
  grid.SetCell(16, 2, "栗");
  return grid;
}

struct Case {
  int col, row;
  const char* text;
  CellStyle style;
};

void ExpectStyles(const std::vector<Case>& cases, const viewer::HorseMarks& marks = {}) {
  for (const Case& c : cases) {
    base::TextGrid grid = ThreeHorses();
    grid.SetCell(c.col, c.row, c.text);
    const CellStyle style = viewer::HorseCellStyle(grid, 3, marks, c.col, c.row);
    EXPECT_EQ(c.style.brush, style.brush)
        << c.col << "," << c.row << " " << testsupport::Readable(c.text);
    EXPECT_EQ(c.style.font, style.font)
        << c.col << "," << c.row << " " << testsupport::Readable(c.text);
    EXPECT_SJIS_EQ(c.style.font_name, style.font_name) << c.col << "," << c.row;
  }
}

TEST(HorseCellStyle, FillsByPlaceBracketAndName) {
  ExpectStyles({
      {0, 2, "３", {{253, 96, 91}, kBlack, ""}},
      {0, 5, "５", {{244, 252, 105}, kBlack, ""}},  // any row, also below the last horse
      {0, 1, " ", {kWhite, kBlack, ""}},
      {0, 0, "枠", {kGrey, kBlack, ""}},
      {7, 0, "オッズ", {kGrey, kBlack, ""}},
      {1, 1, " 1", {kNumberGrey, kBlack, ""}},
      {1, 4, " ", {kWhite, kBlack, ""}},
      {12, 1, "  0.50", {kDifferenceGrey, kBlack, ""}},
      {5, 4, "  0.50", {kWhite, kBlack, ""}},  // below the last horse
      {2, 1, "ＨＯＲＳＥ", {kWhite, kBlack, kP}},
      {15, 1, "J1", {kWhite, kBlack, kP}},
      {2, 4, "x", {kWhite, kBlack, ""}},
      {17, 2, "T2", {kWhite, kBlue, kP}},
      {16, 2, "栗", {kWhite, kBlue, kP}},
      {15, 2, "J2", {kWhite, kBlack, kP}},
      {17, 1, "T1", {kWhite, kBlack, kP}},
      {15, 1, "トリケシ", {kGrey, kBlack, kP}},
      {2, 1, "A-B", {kWhite, kRed, kP}},
      {17, 2, "T-2", {kWhite, kRed, kP}},  // red over the blue of 栗
      {18, 1, "  1", {kPink1, kBlack, ""}},
      {18, 2, "  2", {kPink2, kBlack, ""}},
      {18, 3, "  3", {kPink3, kBlack, ""}},
      {18, 1, "  4", {kWhite, kBlack, ""}},
      {18, 1, " ", {kWhite, kBlack, ""}},
  });
}

TEST(HorseCellStyle, WinOddsBands) {
  ExpectStyles({
      {7, 1, "   1.9", {kPink1, kBlack, ""}},
      {7, 1, "   2.0", {kPink2, kBlack, ""}},
      {7, 1, "   2.9", {kPink2, kBlack, ""}},
      {7, 1, "   3.0", {kPink3, kBlack, ""}},
      {7, 1, "   9.9", {kPink3, kBlack, ""}},
      {7, 1, "  10.0", {kWhite, kBlack, ""}},
      {7, 1, "  99.9", {kWhite, kBlack, ""}},
      {7, 1, " 100.0", {kGrey, kBlack, ""}},
      {7, 1, "   0.0", {kGrey, kBlack, ""}},
      {7, 1, " ﾄﾘｹｼ", {kWhite, kBlack, ""}},
      {7, 4, "   1.5", {kWhite, kBlack, ""}},
  });
}

TEST(HorseCellStyle, DifferenceBandsAtTheirEdges) {
  std::vector<Case> cases;
  struct Edge {
    const char* text;
    Color brush;
  };
  auto add = [&](int col, const std::vector<Edge>& edges) {
    for (const Edge& e : edges) {
      const bool negative = std::string(e.text).find('-') != std::string::npos;
      cases.push_back({col, 2, e.text, {e.brush, negative ? kRed : kBlack, ""}});
    }
  };
  add(9, {{"  0.99", kDifferenceGrey},
          {"  1.00", band::A},
          {"  2.99", band::A},
          {"  3.00", band::B},
          {"  4.99", band::B},
          {"  5.00", band::C},
          {" 40.00", band::C},
          {" -1.99", kDifferenceGrey},
          {" -2.00", band::D},
          {" -4.99", band::D},
          {" -5.00", band::E},
          {" -9.99", band::E},
          {"-10.00", band::F},
          {" ﾄﾘｹｼ", kDifferenceGrey}});
  add(5, {{"  3.99", kDifferenceGrey},
          {"  4.00", band::A},
          {"  5.99", band::A},
          {"  6.00", band::B},
          {"  7.99", band::B},
          {"  8.00", band::C},
          {" -4.99", kDifferenceGrey},
          {" -5.00", band::D},
          {" -9.99", band::D},
          {"-10.00", band::E},
          {"-19.99", band::E},
          {"-20.00", band::F},
          {"  0.00", kDifferenceGrey}});
  for (int col : {12, 13, 14}) {
    add(col, {{"  0.99", kDifferenceGrey},
              {"  1.00", band::A},
              {"  1.99", band::A},
              {"  2.00", band::B},
              {"  4.99", band::B},
              {"  5.00", band::C},
              {" -0.99", kDifferenceGrey},
              {" -1.00", band::D},
              {" -1.99", band::D},
              {" -2.00", band::E},
              {" -4.99", band::E},
              {" -5.00", band::F},
              {"     0", kDifferenceGrey},
              {" -0.00", kDifferenceGrey},  // a tiny fall: no band, but red
              {"  0.00", kDifferenceGrey},
              {" ﾄﾘｹｼ", kDifferenceGrey}});
  }
  for (int col : {8, 11}) {
    add(col, {{"  4.99", kWhite},
              {"  5.00", kYellow},
              {" 16.00", kYellow},
              {" 16.01", kWhite},
              {" ﾄﾘｹｼ", kWhite}});
  }
  add(4, {{" 10.00", kWhite}});
  ExpectStyles(cases);
}

TEST(HorseCellStyle, MarksColourTheirHorsesCellsAndFollowTheRows) {
  viewer::HorseMarks marks{};
  marks[2] = 1;
  marks[3] = 2;
  marks[1] = 7;  // a foreign value: no colour
  ExpectStyles(
      {
          {1, 2, " 2", {kPink1, kBlack, ""}},  // over the number grey
          {3, 2, " 1", {kPink1, kBlack, ""}},
          {6, 2, " 4", {kPink1, kBlack, ""}},
          {10, 2, " 3", {kPink1, kBlack, ""}},
          {2, 2, "ＨＯＲＳＥ", {kPink1, kBlack, kP}},
          {16, 2, "栗", {kPink1, kBlue, kP}},
          {15, 2, "トリケシ", {kGrey, kBlack, kP}},  // grey even when marked
          {4, 2, " 10.00", {kWhite, kBlack, ""}},
          {7, 2, "  50.0", {kWhite, kBlack, ""}},  // not a marked column
          {3, 3, " 2", {kPink2, kBlack, ""}},
          {3, 1, " 3", {kWhite, kBlack, ""}},
      },
      marks);

  // After a sort the horse numbers, and with them the marks, stand in other rows.
  base::TextGrid grid = ThreeHorses();
  for (int row = 1; row <= 3; ++row) grid.SetCell(6, row, " " + std::to_string(4 - row));
  viewer::SortHorseTable(grid, 3, 6, true);
  ASSERT_EQ(" 3", grid.Cell(1, 1));
  EXPECT_EQ(kPink2, viewer::HorseCellStyle(grid, 3, marks, 1, 1).brush);
  EXPECT_EQ(kPink1, viewer::HorseCellStyle(grid, 3, marks, 15, 2).brush);
  EXPECT_EQ(kNumberGrey, viewer::HorseCellStyle(grid, 3, marks, 1, 3).brush);
}

}  // namespace
