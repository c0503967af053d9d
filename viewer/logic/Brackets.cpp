#include "viewer/logic/Brackets.h"

#include <array>

namespace viewer {

namespace {

constexpr std::array<const char*, 8> kDigits = {"１", "２", "３", "４", "５", "６", "７", "８"};

constexpr std::array<ui::Color, 8> kDigitBrushes = {{
    {250, 250, 250},
    {157, 157, 157},
    {253, 96, 91},
    {120, 155, 237},
    {244, 252, 105},
    {134, 240, 83},
    {253, 177, 104},
    {249, 87, 240},
}};

constexpr std::array<ui::Color, 8> kChartColours = {{
    {255, 255, 255},
    {16, 16, 16},
    {253, 0, 0},
    {0, 0, 255},
    {255, 255, 0},
    {0, 255, 0},
    {255, 128, 0},
    {255, 0, 255},
}};

// Index n - 6 for n = 6 (also 1 to 5) up to 18.
constexpr std::array<const char*, 13> kHorseLists = {
    "１,１,２,３,４,５,６",
    "１,１,２,３,４,５,６,７",
    "１,１,２,３,４,５,６,７,８",
    "１,１,２,３,４,５,６,７,８,８",
    "１,１,２,３,４,５,６,７,７,８,８",
    "１,１,２,３,４,５,６,６,７,７,８,８",
    "１,１,２,３,４,５,５,６,６,７,７,８,８",
    "１,１,２,３,４,４,５,５,６,６,７,７,８,８",
    "１,１,２,３,３,４,４,５,５,６,６,７,７,８,８",
    "１,１,２,２,３,３,４,４,５,５,６,６,７,７,８,８",
    "１,１,１,２,２,３,３,４,４,５,５,６,６,７,７,８,８",
    "１,１,１,２,２,３,３,４,４,５,５,６,６,７,７,８,８,８",
    "１, １, １, ２, ２,３,３,４,４,５,５,６,６,７,７,７,８,８,８",
};

}  // namespace

int32_t BracketOfHorse(int32_t n, int32_t i) {
  if (n < 1 || n > 18 || i < 1 || i > n) return 0;
  if (n <= 8) return i;
  if (n <= 16) {
    const int32_t singles = 16 - n;
    return i <= singles ? i : singles + (i - singles + 1) / 2;
  }
  const int32_t pairs_end = n == 17 ? 14 : 12;  // the brackets of two horses end here
  if (i <= pairs_end) return (i + 1) / 2;
  if (n == 17) return 8;
  return i <= 15 ? 7 : 8;
}

std::string_view HorseBracketList(int32_t n) {
  if (n < 1 || n > 18) return {};
  return kHorseLists[n <= 6 ? 0 : n - 6];
}

std::string_view BracketRowList(int32_t n) {
  if (n < 1 || n > 18) return {};
  return kHorseLists[n <= 6 ? 0 : n <= 8 ? n - 6 : 2];
}

std::string BracketDigit(int32_t bracket) {
  if (bracket < 1 || bracket > 8) return {};
  return kDigits[bracket - 1];
}

int32_t BracketDigitValue(std::string_view text) {
  for (int b = 1; b <= 8; ++b) {
    if (text == kDigits[b - 1]) return b;
  }
  return 0;
}

std::optional<ui::Color> BracketDigitBrush(std::string_view text) {
  const int32_t b = BracketDigitValue(text);
  if (b == 0) return std::nullopt;
  return kDigitBrushes[b - 1];
}

ui::Color BracketColours(int32_t bracket) {
  if (bracket < 1 || bracket > 8) return ui::kBlack;
  return kChartColours[bracket - 1];
}

std::optional<ui::Color> MarkColor(int32_t mark) {
  switch (mark) {
    case 3:
      return ui::Color{255, 213, 236};
    case 2:
      return ui::Color{255, 151, 194};
    case 1:
      return ui::Color{255, 81, 146};
    default:
      return std::nullopt;
  }
}

}  // namespace viewer
