// Brackets (枠) of the horses of a race and the colours of brackets and horse marks that
// the three analysis windows share.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/color.h"

namespace viewer {

// The bracket (1-8) of horse i (1 <= i <= n) among n runners: up to 8 runners the horse
// number; 9 to 16, brackets 1 to 16 - n hold one horse and the others two, in horse-number
// order; 17, bracket 8 holds three; 18, brackets 7 and 8 hold three each. 0 for n outside
// 1-18 or i outside 1-n.
int32_t BracketOfHorse(int32_t n, int32_t i);

// The bracket column of the per-horse and quinella tables as one comma text by n: its first
// entry lands in row 0 (the header replaces it), entry k is the full-width bracket digit of
// horse k ("１" to "８"). The same list serves every n from 1 to 6, so rows up to 6 show a
// digit even when n is smaller; the list for 18 has blanks after some commas, which the
// reading rule skips. Empty for n outside 1-18: the column stays as cleared.
std::string_view HorseBracketList(int32_t n);
// The bracket column of the bracket table: "１" to "６" for n from 1 to 6, to "７" for 7, to
// "８" for 8 to 18, after the entry of row 0; empty for any other n.
std::string_view BracketRowList(int32_t n);

// The full-width digit "１" to "８" of a bracket; empty for any other number.
std::string BracketDigit(int32_t bracket);
// The bracket 1-8 of a full-width digit "１" to "８" (the whole text); 0 for any other text.
int32_t BracketDigitValue(std::string_view text);

// The table fill of a cell whose text is exactly a bracket digit "１" to "８".
std::optional<ui::Color> BracketDigitBrush(std::string_view text);
// The colour of bracket 1-8 in the charts (white, near black, red, blue, yellow, green,
// orange, magenta); black for any other number.
ui::Color BracketColours(int32_t bracket);

// The fill of a horse mark: 3 (plain click) light pink, 2 (Ctrl) pink, 1 (Alt) deep pink.
// Nothing for 0 and for any other value (a foreign marks file): the cell keeps its colour.
std::optional<ui::Color> MarkColor(int32_t mark);

}  // namespace viewer
