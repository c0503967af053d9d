// How one cell of a string grid is drawn: the fill, the font's colour and name. The colour
// rules of the tables are plain functions that return it; the grid asks for it per cell.
#pragma once
#include <string>

#include "ui/color.h"

namespace ui {

struct CellStyle {
  Color brush = kWhite;    // the fill
  Color font = kBlack;     // the text's colour
  std::string font_name;   // empty: the grid's own font
  friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

}  // namespace ui
