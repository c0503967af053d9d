// Colours as (red, green, blue), each 0-255.
#pragma once

namespace ui {

struct Color {
  int r = 0;
  int g = 0;
  int b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
// The menu bar's colour, behind borderless fields that read like captions.
inline constexpr Color kMenuBar{240, 240, 240};
// The cream of status panels.
inline constexpr Color kCream{255, 251, 240};

// The system's colour of button captions, the normal caption colour of radio buttons.
Color ButtonTextColor();
// The system's colour of texts in windows, the normal caption colour of speed buttons.
Color WindowTextColor();

}  // namespace ui
