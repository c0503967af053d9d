// The header fields of the analysis windows (per-horse, quinella, bracket) that the
// odds-time choice writes while a window is open, and the closing of the open windows by
// a race choice. Each window points its entry at its own controls when it is made; a
// window's change handlers on Edit1 to Edit4 rebuild it from the chosen race.
#pragma once
#include <array>

#include "ui/controls.h"
#include "ui/form.h"

namespace viewer {

struct AnalysisHeader {
  ui::Form* window = nullptr;
  std::array<ui::Edit*, 10> Edit{};  // Edit[k] is the window's Editk; nullptr: none
};

extern AnalysisHeader HorseWindowHeader;     // Form2, open while HorseWindowOpen is 1
extern AnalysisHeader QuinellaWindowHeader;  // Form3, QuinellaWindowOpen
extern AnalysisHeader BracketWindowHeader;   // Form4, BracketWindowOpen

// For each open window in the order per-horse, quinella, bracket, its caption and header
// fields from the chosen buttons and CurrentRace, each in the window's own order (a field
// changes, and its change handler runs, only when its text differs). An error in one
// window's update is reported and the next window still gets its header.
void WriteOpenAnalysisHeaders();

// Closes the open windows, per-horse first, then quinella, then bracket; their close
// handlers free them and clear their flags.
void CloseOpenAnalysisWindows();

}  // namespace viewer
