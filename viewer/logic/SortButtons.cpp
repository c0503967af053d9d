#include "viewer/logic/SortButtons.h"

namespace viewer {

bool PressSortButton(SortState& state, std::span<const SortButton> buttons, int button) {
  for (const SortButton& b : buttons) {
    if (b.button != button) continue;
    const int32_t old_key = state.SortColumn;
    state.red_button = b.button;
    state.SortColumn = b.column;
    if (b.column != old_key) state.SortAscending = b.preset;
    state.SortAscending = !state.SortAscending;
    return true;
  }
  return false;
}

}  // namespace viewer
