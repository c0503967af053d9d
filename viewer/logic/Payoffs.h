// The payoff memo of the per-horse window: eight lines, one per bet type, from the race's
// line of the day's payoff file.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// An amount in the currency text of a Japanese desktop, whatever the machine's locale: the
// full-width yen sign "￥", thousands separators "," and no decimals ("￥1,234,560"); a
// negative amount "-￥…". The amount keeps its exact value.
std::string YenText(double amount);

// The eight payoff lines of the last line of the payoff file whose field 0 begins with the
// race key: "[単] " win, "[複] " place, "[枠] " bracket quinella, "[馬] " quinella, "[ワ] "
// quinella place, "[馬単] " exacta, "[３複] " trio, "[３単] " trifecta, each followed by its
// entries in column order: "combination:amount" and the text after the amount (two blanks
// for place, one blank otherwise). An entry whose combination is the bet type's empty text
// ("  ", " - ", "  -  ", "  -  -  ") is skipped; a place "00" or a bracket-quinella "0-0"
// adds one blank instead. Nothing when no line matches. An amount that is not a number
// throws base::ConversionError, a matching line without all its columns base::Error; both
// name payoff_file and the line.
std::optional<std::vector<std::string>> PayoffMemoLines(
    const std::vector<std::string>& lines, std::string_view race_key,
    std::string_view payoff_file = "the payoff file");

}  // namespace viewer
