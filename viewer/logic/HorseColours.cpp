#include "viewer/logic/HorseColours.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/values.h"
#include "viewer/logic/Brackets.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/HorseTable.h"

namespace viewer {

namespace {

constexpr ui::Color kGrey{233, 233, 233};

// The edges of one column's six bands: three rises, each from its edge up to the next, and
// three falls, each from its edge down to the next.
struct Bands {
  double a, b, c;  // A: a <= v < b, B: b <= v < c, C: v >= c
  double d, e, f;  // D: e < v <= d, E: f < v <= e, F: v <= f
};

std::optional<ui::Color> BandColor(double v, const Bands& k) {
  if (k.a <= v && v < k.b) return band::A;
  if (k.b <= v && v < k.c) return band::B;
  if (v >= k.c) return band::C;
  if (k.e < v && v <= k.d) return band::D;
  if (k.f < v && v <= k.e) return band::E;
  if (v <= k.f) return band::F;
  return std::nullopt;
}

bool OneOf(int col, std::initializer_list<int> cols) {
  for (int c : cols) {
    if (c == col) return true;
  }
  return false;
}

std::string_view WithoutLeadingBlanks(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  return t;
}

// The horse m (1-18) whose number written in decimal is exactly h.
std::optional<int> HorseNumber(std::string_view h) {
  if (h.empty() || h.size() > 2 || h[0] == '0') return std::nullopt;
  int m = 0;
  for (char c : h) {
    if (c < '0' || c > '9') return std::nullopt;
    m = m * 10 + (c - '0');
  }
  if (m > 18) return std::nullopt;
  return m;
}

}  // namespace

ui::CellStyle HorseCellStyle(const base::TextGrid& grid, int32_t count, const HorseMarks& marks,
                             int col, int row) {
  ui::CellStyle style;
  const std::string& t = grid.Cell(col, row);
  const std::string_view h = WithoutLeadingBlanks(grid.Cell(1, row));
  const bool in_range = 1 <= row && row <= count;
  // The value of a cell in range; the value rules skip a cell without one.
  const std::optional<double> value = in_range ? base::ParseDecimal(t) : std::nullopt;
  const bool v = value.has_value();
  const double x = value.value_or(0);

  if (auto brush = BracketDigitBrush(t)) style.brush = *brush;                       // 1
  if (row == 0) style.brush = kGrey;                                                 // 2
  if (col == 1 && in_range) style.brush = {228, 228, 228};                           // 3
  if (OneOf(col, {5, 9, 12, 13, 14}) && in_range) style.brush = {244, 244, 244};     // 4
  if (OneOf(col, {2, 15, 16, 17}) && in_range) style.font_name = "ＭＳ Ｐゴシック";  // 5
  if (OneOf(col, {16, 17}) && in_range && grid.Cell(16, row) == "栗") {
    style.font = ui::kBlue;  // 6
  }
  if (OneOf(col, {1, 2, 3, 6, 10, 15, 16, 17})) {  // 7
    const auto m = HorseNumber(h);
    if (m && marks[*m] != 0) {
      if (auto brush = MarkColor(marks[*m])) style.brush = *brush;
    }
  }
  if (col == 7 && v) {  // 8
    if (x < 10) style.brush = {255, 213, 236};
    if (x < 3) style.brush = {255, 151, 194};
    if (x < 2) style.brush = {255, 81, 146};
    if (x >= 100) style.brush = kGrey;
    if (x == 0) style.brush = kGrey;
  }
  if (OneOf(col, {15, 16, 17}) && t == kNoOddsJockeyText) style.brush = kGrey;  // 9
  if (col == 9 && v) {                                                          // 10
    if (auto c = BandColor(x, {1, 3, 5, -2, -5, -10})) style.brush = *c;
  }
  if (col == 5 && v) {  // 11
    if (auto c = BandColor(x, {4, 6, 8, -5, -10, -20})) style.brush = *c;
  }
  if (col == 18) {  // 12
    if (t == "  1") style.brush = {255, 81, 146};
    if (t == "  2") style.brush = {255, 151, 194};
    if (t == "  3") style.brush = {255, 213, 236};
  }
  if (t.find('-') != std::string::npos) style.font = ui::kRed;  // 13
  if (OneOf(col, {12, 13, 14}) && v) {                          // 14
    if (auto c = BandColor(x, {1, 2, 5, -1, -2, -5})) style.brush = *c;
  }
  if (OneOf(col, {8, 11}) && v && 5 <= x && x <= 16) style.brush = {255, 255, 136};  // 15
  return style;
}

}  // namespace viewer
