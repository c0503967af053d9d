#include "viewer/logic/Payoffs.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/csv.h"
#include "base/errors.h"
#include "base/values.h"
#include "viewer/logic/Fields.h"

namespace viewer {

namespace {

struct BetLine {
  const char* label;
  int entries;
  int first_column;   // the first combination column; its amount follows it
  const char* empty;  // a combination that is skipped
  const char* blank;  // a combination that adds one blank instead (nullptr: none)
  const char* after;  // the text after each amount
};

constexpr std::array<BetLine, 8> kBetLines = {{
    {"[単] ", 3, 7, "  ", nullptr, " "},
    {"[複] ", 5, 13, "  ", "00", "  "},
    {"[枠] ", 3, 23, " - ", "0-0", " "},
    {"[馬] ", 3, 29, "  -  ", nullptr, " "},
    {"[ワ] ", 7, 35, "  -  ", nullptr, " "},
    {"[馬単] ", 6, 49, "  -  ", nullptr, " "},
    {"[３複] ", 3, 61, "  -  -  ", nullptr, " "},
    {"[３単] ", 6, 67, "  -  -  ", nullptr, " "},
}};

constexpr std::size_t kFieldsNeeded = 79;  // the last trifecta amount is column 78

std::string GroupThousands(std::string digits) {
  for (int pos = static_cast<int>(digits.size()) - 3; pos > 0; pos -= 3) {
    digits.insert(static_cast<std::size_t>(pos), ",");
  }
  return digits;
}

std::string PayoffLine(const BetLine& bet, const std::vector<std::string>& fields) {
  std::string line = bet.label;
  for (int e = 0; e < bet.entries; ++e) {
    const std::string& combination = fields[bet.first_column + 2 * e];
    if (bet.blank && combination == bet.blank) {
      line += " ";
      continue;
    }
    if (combination == bet.empty) continue;
    line += combination + ":" + YenText(base::DecimalValue(fields[bet.first_column + 2 * e + 1])) +
            bet.after;
  }
  return line;
}

}  // namespace

std::string YenText(double amount) {
  const double rounded = std::round(std::fabs(amount));
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.0f", rounded);
  return std::string(amount < 0 && rounded != 0 ? "-" : "") + "￥" + GroupThousands(digits);
}

std::optional<std::vector<std::string>> PayoffMemoLines(const std::vector<std::string>& lines,
                                                        std::string_view race_key,
                                                        std::string_view payoff_file) {
  std::optional<std::vector<std::string>> memo;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::vector<std::string> key = base::SplitCsvLine(lines[n], 1);
    if (key.empty() || base::Chars(key[0], 1, 16) != race_key) continue;
    const std::vector<std::string> fields = base::SplitCsvLine(lines[n]);
    if (fields.size() < kFieldsNeeded) {
      throw base::Error("The payoff line has " + std::to_string(fields.size()) +
                        " fields; it needs " + std::to_string(kFieldsNeeded) +
                        LinePlace(payoff_file, n));
    }
    std::vector<std::string> shown;
    AtLine(payoff_file, n, [&] {
      for (const BetLine& bet : kBetLines) shown.push_back(PayoffLine(bet, fields));
    });
    memo = std::move(shown);
  }
  return memo;
}

}  // namespace viewer
