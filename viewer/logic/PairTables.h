// What the quinella and the bracket table share: a matrix of pairs in which the column
// 5 + c (quinella) or 8 + c (bracket) belongs to the horse or bracket of row c, with the
// pair's odds at the second chosen time below the diagonal and the change of its share
// between the two chosen times above it; the byte-wise row sort that the matrix columns
// follow, and the normalisation that brings every change back above the diagonal.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_grid.h"
#include "ui/color.h"

namespace viewer {

struct PairTableLayout {
  int id_column;            // the row's horse or bracket number, "%2d"
  int first_matrix_column;  // the matrix column of row 1
  // The number that a matrix column's header names.
  int32_t (*header_value)(std::string_view header);
};

// The quinella table: horse numbers in column 5, headers "1" to "18" over columns 6 to 23.
extern const PairTableLayout kQuinellaLayout;
// The bracket table: bracket numbers in column 8, headers "１" to "８" over columns 9 to 16.
extern const PairTableLayout kBracketLayout;

// A diagonal cell: the pair of a horse with itself.
inline constexpr std::string_view kDiagonalText = "   +";

// The odds of a pair, "%7.1f".
std::string PairOddsText(float odds);
// The change of a pair's share from odds q1 (first time) to q2 (second): "%6.2f" of
// 80 / q2 - 80 / q1 followed by "%"; "  0.00%" when either odds is 0 or less.
std::string PairChangeText(float q2, float q1);

// Rows as copies of their texts compared by the text in `column`, byte by byte as unsigned
// characters, a text that is a prefix of the other being smaller: negative, 0 or positive;
// Descending the opposite sign.
int CompareRowsAscending(const std::vector<std::string>& row1, const std::vector<std::string>& row2,
                         int32_t column);
int CompareRowsDescending(const std::vector<std::string>& row1,
                          const std::vector<std::string>& row2, int32_t column);

// Sorts rows 1 to count (whole rows) by the text of `column`; then the matrix columns
// follow: for each row r in order, the column among the first `count` matrix columns whose
// header names the number in the row's id column is taken, and the taken columns (header
// included) are written back in row order, so that column first + r - 1 belongs to row r
// again. Matrix columns beyond the count stay as they are.
void SortPairTable(base::TextGrid& grid, const PairTableLayout& layout, int32_t count,
                   int32_t column, bool ascending);

// Every text holding "%" at (row r, matrix column of row c) with r > c, r and c from 1 to
// count, is exchanged with the text at (row c, matrix column of row r): afterwards every
// change stands above the diagonal and every odds below it.
void NormalisePairMatrix(base::TextGrid& grid, const PairTableLayout& layout, int32_t count);

// The fill of the pair cell (col, row) below the diagonal from its odds: 1 <= v < 10 pink,
// 10 <= v <= `upper` light pink, v >= 100 grey; nothing for cells elsewhere, other values or
// texts that are not numbers. `upper` is 25 in the quinella and 20 in the bracket table.
std::optional<ui::Color> PairOddsBrush(const base::TextGrid& grid, const PairTableLayout& layout,
                                       int32_t count, int col, int row, double upper);
// The fill of a diagonal cell (matrix column of row r, row r, 1 <= r <= count).
inline constexpr ui::Color kDiagonalBrush{208, 249, 233};
bool IsDiagonal(const PairTableLayout& layout, int32_t count, int col, int row);

}  // namespace viewer
