// The per-horse table's row sort: whole rows ordered by the number in one column.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/text_grid.h"

namespace viewer {

// Rows as copies of their cell texts, compared by the number in `column` (the text read as
// a decimal number): Ascending gives 1 when row1's value is greater, 0 when equal, -1 when
// smaller; Descending the opposite sign. A text that is not a number throws
// base::ConversionError.
int CompareHorseRowsAscending(const std::vector<std::string>& row1,
                              const std::vector<std::string>& row2, int32_t column);
int CompareHorseRowsDescending(const std::vector<std::string>& row1,
                               const std::vector<std::string>& row2, int32_t column);

// Sorts rows 1 to count by `column` with the list sort: first the column's cells " ﾄﾘｹｼ"
// become "10000" and then its cells " " become "9000"; after the sort they are turned back.
// So in an ascending sort blanks (no finishing order yet) follow every number up to 9000 and
// scratched rows follow them; descending, they come first.
void SortHorseTable(base::TextGrid& grid, int32_t count, int32_t column, bool ascending);

}  // namespace viewer
