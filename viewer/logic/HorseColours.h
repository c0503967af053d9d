// How each cell of the per-horse table is drawn (StringGrid1DrawCell's colour rules).
#pragma once
#include <cstdint>

#include "base/text_grid.h"
#include "ui/cell_style.h"
#include "viewer/logic/MarkRecord.h"

namespace viewer {

// The fill, font colour and font name of cell (col, row) of the per-horse table of `count`
// horses with the given marks. The fill starts as the window colour (white) and the font
// black; fifteen rules follow in order, a later one overriding an earlier one: bracket
// digits, the header row, horse numbers, difference columns, the proportional font of the
// name columns, the blue trainer of 栗, the marks (found by the horse number in column 1 of
// the row, so they move with their rows), the win odds bands, "トリケシ", the bands of columns
// 9 and 5, the first three finishers, red for a "-", the bands of the change columns and the
// share band of columns 8 and 11. Rules that read a value skip a cell whose text is not a
// number (" ﾄﾘｹｼ" of a scratched horse): it keeps the colour of the earlier rules.
ui::CellStyle HorseCellStyle(const base::TextGrid& grid, int32_t count, const HorseMarks& marks,
                             int col, int row);

// The band colours of rises (A light to C deep blue) and falls (D light to F deep green).
namespace band {
inline constexpr ui::Color A{194, 238, 255};
inline constexpr ui::Color B{167, 241, 255};
inline constexpr ui::Color C{96, 238, 255};
inline constexpr ui::Color D{174, 255, 189};
inline constexpr ui::Color E{120, 255, 148};
inline constexpr ui::Color F{67, 255, 107};
}  // namespace band

}  // namespace viewer
