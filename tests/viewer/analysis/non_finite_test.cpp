// A record file is the viewer's own store, but its bytes can be damaged: an odds or share
// that is not a finite number (NaN, +inf, -inf) is read by the three tables and their charts
// as 0, the value of missing odds, so they show exactly what the same record with 0 there
// gives; and no table ever writes a text that does not read back as a number.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "base/values.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/BracketTable.h"
#include "viewer/logic/HorseCharts.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/QuinellaTable.h"

namespace {

using analysistest::AnalysisRace;
using viewer::RaceOddsRecord;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A race of n runners with distinct odds and shares at snapshots 1 and 2.
RaceOddsRecord OddsRace(int n) {
  RaceOddsRecord r = AnalysisRace(n);
  for (int s = 1; s <= 2; ++s) {
    for (int k = 1; k <= 18; ++k) {
      r.SetOddsWin(s, k, 1.5f + static_cast<float>((k * 7) % 19) + 0.3f * s);
      r.SetOddsPlace(s, k, 1.1f + static_cast<float>((k * 5) % 17) * 0.4f + 0.1f * s);
      r.SetQuinellaShare(s, k, 1.0f + static_cast<float>((k * 3) % 11) + 0.2f * s);
      for (int j = 1; j <= 18; ++j)
        r.SetOddsQuinella(s, k, j, 3.0f + static_cast<float>(k + j) + s);
    }
    for (int b = 1; b <= 8; ++b) {
      r.SetBracketQuinellaShare(s, b, 4.0f + static_cast<float>(b) + 0.5f * s);
      for (int c = 1; c <= 8; ++c) {
        r.SetOddsBracketQuinella(s, b, c, 5.0f + static_cast<float>(b * c) + s);
      }
    }
  }
  return r;
}

// Every table and every chart series read from the record.
struct Shown {
  base::TextGrid horse, quinella, bracket;
  std::array<ui::SeriesPoints, 18> horse_odds;     // the per-horse Chart3
  std::array<ui::SeriesPoints, 8> bracket_shares;  // the bracket Chart2
};

Shown ShownOf(const RaceOddsRecord& r) {
  Shown s{viewer::BuildHorseTable(r, 1, 2),
          viewer::BuildQuinellaTable(r, 1, 2),
          viewer::BuildBracketTable(r, 1, 2),
          {},
          {}};
  s.horse_odds = viewer::RebuildHorseCharts(s.horse, r).Chart3;
  s.bracket_shares = viewer::FillBracketCharts(s.bracket, r).Chart2;
  return s;
}

// No cell holds a text such as "nan" or "inf": every cell is a number, a name or a marker.
void ExpectOnlyNumbersWritten(const base::TextGrid& grid) {
  for (int row = 1; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const std::string& t = grid.Cell(col, row);
      EXPECT_EQ(t.find("nan"), std::string::npos) << col << "," << row << ": " << t;
      EXPECT_EQ(t.find("inf"), std::string::npos) << col << "," << row << ": " << t;
    }
  }
}

TEST(NonFiniteRecordValues, ShowAsTheMissingValueZero) {
  using Set = std::function<void(RaceOddsRecord&, int s, float v)>;
  const struct {
    const char* field;
    Set set;
  } fields[] = {
      {"OddsWin of horse 2", [](RaceOddsRecord& r, int s, float v) { r.SetOddsWin(s, 2, v); }},
      {"OddsPlace of horse 3", [](RaceOddsRecord& r, int s, float v) { r.SetOddsPlace(s, 3, v); }},
      {"QuinellaShare of horse 1",
       [](RaceOddsRecord& r, int s, float v) { r.SetQuinellaShare(s, 1, v); }},
      {"OddsQuinella of 1-4",
       [](RaceOddsRecord& r, int s, float v) { r.SetOddsQuinella(s, 1, 4, v); }},
      {"OddsBracketQuinella of 2-5",
       [](RaceOddsRecord& r, int s, float v) { r.SetOddsBracketQuinella(s, 2, 5, v); }},
      {"OddsBracketQuinella of 3-3",
       [](RaceOddsRecord& r, int s, float v) { r.SetOddsBracketQuinella(s, 3, 3, v); }},
      {"BracketQuinellaShare of bracket 4",
       [](RaceOddsRecord& r, int s, float v) { r.SetBracketQuinellaShare(s, 4, v); }},
  };
  for (int n : {5, 12}) {
    for (const auto& f : fields) {
      for (int s : {1, 2}) {
        RaceOddsRecord zero = OddsRace(n);
        f.set(zero, s, 0.0f);
        const Shown expected = ShownOf(zero);
        for (float v : {kNaN, -kNaN, kInf, -kInf}) {
          SCOPED_TRACE(std::string(f.field) + " at snapshot " + std::to_string(s) + " = " +
                       std::to_string(v) + ", " + std::to_string(n) + " runners");
          RaceOddsRecord damaged = OddsRace(n);
          f.set(damaged, s, v);
          const Shown shown = ShownOf(damaged);
          EXPECT_EQ(shown.horse, expected.horse);
          EXPECT_EQ(shown.quinella, expected.quinella);
          EXPECT_EQ(shown.bracket, expected.bracket);
          EXPECT_EQ(shown.horse_odds, expected.horse_odds);
          EXPECT_EQ(shown.bracket_shares, expected.bracket_shares);
        }
      }
    }
  }
  // The missing win odds show as such: 0.0 and "トリケシ".
  RaceOddsRecord damaged = OddsRace(5);
  damaged.SetOddsWin(2, 2, kNaN);
  const base::TextGrid horse = viewer::BuildHorseTable(damaged, 1, 2);
  EXPECT_EQ(horse.Cell(7, 2), "   0.0");
  EXPECT_EQ(horse.Cell(15, 2), viewer::kNoOddsJockeyText);
}

TEST(NonFiniteRecordValues, TheRecordKeepsEverythingElse) {
  RaceOddsRecord r = OddsRace(9);
  r.SetOddsWin(3, 4, kNaN);
  r.SetQuinellaShare(6, 18, -kInf);
  r.SetOddsQuinella(1, 17, 18, kInf);
  const RaceOddsRecord finite = viewer::WithFiniteOdds(r);
  RaceOddsRecord expected = r;
  expected.SetOddsWin(3, 4, 0);
  expected.SetQuinellaShare(6, 18, 0);
  expected.SetOddsQuinella(1, 17, 18, 0);
  EXPECT_EQ(finite.bytes(), expected.bytes());
  EXPECT_EQ(viewer::WithFiniteOdds(expected).bytes(), expected.bytes());
}

TEST(NonFiniteShares, OfFiniteValuesShowAsZero) {
  // Odds that cancel (their shares' sum is 0), odds too small for a 32-bit float's quotient,
  // shares whose change or sum overflows: the arithmetic gives no finite number, and the
  // cells show 0 in their format.
  const struct {
    const char* what;
    int n;
    std::function<void(RaceOddsRecord&)> set;
  } cases[] = {
      {"odds that cancel", 2,
       [](RaceOddsRecord& r) {
         for (int s = 1; s <= 2; ++s) {
           analysistest::SetWinOdds(r, s, {2.0f, -2.0f});
           analysistest::SetPlaceOdds(r, s, {-4.0f, 4.0f});
         }
       }},
      {"odds below a float's reach", 3,
       [](RaceOddsRecord& r) {
         for (int s = 1; s <= 2; ++s) {
           analysistest::SetWinOdds(r, s, {1e-40f, -1e-40f, 3.0f});
           analysistest::SetPlaceOdds(r, s, {1e-40f, -1e-40f, 3.0f});
         }
       }},
      {"a quinella share change beyond a float", 3,
       [](RaceOddsRecord& r) {
         analysistest::SetQuinellaShares(r, 1, {-3e38f, 1.0f, 2.0f});
         analysistest::SetQuinellaShares(r, 2, {3e38f, 1.0f, 2.0f});
       }},
      {"a bracket's summed share beyond a float", 16,
       [](RaceOddsRecord& r) {
         analysistest::SetQuinellaShares(r, 2, {3e38f, 3e38f, 2.0f});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RaceOddsRecord r = OddsRace(c.n);
    c.set(r);
    const base::TextGrid horse = viewer::BuildHorseTable(r, 1, 2);
    ExpectOnlyNumbersWritten(horse);
    ExpectOnlyNumbersWritten(viewer::BuildQuinellaTable(r, 1, 2));
    ExpectOnlyNumbersWritten(viewer::BuildBracketTable(r, 1, 2));
    for (int row = 1; row <= c.n; ++row) {
      for (int col : {4, 5, 8, 9, 11, 12, 13, 14}) {
        EXPECT_TRUE(base::ParseDecimal(horse.Cell(col, row)).has_value())
            << col << "," << row << ": " << horse.Cell(col, row);
      }
    }
  }
  // The cancelling win odds: both shares are 0, and so they share rank 1.
  RaceOddsRecord r = OddsRace(2);
  cases[0].set(r);
  const base::TextGrid horse = viewer::BuildHorseTable(r, 1, 2);
  EXPECT_EQ(horse.Cell(8, 1), "  0.00");
  EXPECT_EQ(horse.Cell(8, 2), "  0.00");
  EXPECT_EQ(horse.Cell(6, 1), " 1");
  EXPECT_EQ(horse.Cell(6, 2), " 1");
}

}  // namespace
