// The sort-key buttons above the analysis tables: which key a press chooses, in which
// direction the table is then sorted and which button shows a red caption. The three
// windows differ only in their buttons' data.
#pragma once
#include <cstdint>
#include <span>

namespace viewer {

struct SortButton {
  int button;      // SpeedButton<button>
  int32_t column;  // the sort key
  bool preset;     // SortAscending when pressed for a new key, before the inversion
};

struct SortState {
  int32_t SortColumn;
  bool SortAscending;
  int red_button;  // the button with the red caption; the others show the window text colour
};

// The per-horse window: 出馬 1, 複勝 3, 単複 5, 単勝 6, 単連 9, 馬連 10, 複勝 12, 単勝 13, 馬連 14,
// 結果 18 (SpeedButton1-9 and 11); rank and number keys start ascending, the others
// descending. SpeedButton10 and 12 have no key.
inline constexpr SortButton kHorseSortButtons[] = {
    {1, 1, false},  {2, 3, false}, {3, 5, true},  {4, 6, false}, {5, 9, true},
    {6, 10, false}, {7, 12, true}, {8, 13, true}, {9, 14, true}, {11, 18, false},
};
inline constexpr SortState kHorseSortStart = {1, true, 1};

// The quinella window: 単勝 0, 馬連 2, 出馬 5, each starting ascending.
inline constexpr SortButton kQuinellaSortButtons[] = {{1, 0, false}, {2, 2, false}, {3, 5, false}};
inline constexpr SortState kQuinellaSortStart = {5, true, 3};

// The bracket window: 単勝（馬） 0, 馬連 3, 枠連 5, 出馬 8, each starting ascending.
inline constexpr SortButton kBracketSortButtons[] = {
    {1, 0, false}, {2, 3, false}, {3, 5, false}, {4, 8, false}};
inline constexpr SortState kBracketSortStart = {8, true, 4};

// A press of SpeedButton<button>: it turns red and its column becomes the sort key; when
// the key changed, SortAscending := the button's preset; then SortAscending is inverted.
// So a new key sorts in the opposite of its preset and a second press reverses the order.
// A button that is not in the list changes nothing; the result says whether it was.
bool PressSortButton(SortState& state, std::span<const SortButton> buttons, int button);

}  // namespace viewer
