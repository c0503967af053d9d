// The viewer's display functions that need no window: the full-width form of a text and
// the viewer's side of the racecourse table. Every text is Shift-JIS.
#pragma once
#include <string>
#include <string_view>

namespace viewer {

// Every single byte 0x20-0x7E and 0xA1-0xDF becomes its full-width character (blank to
// "　", ASCII signs to their full-width forms except " ' \ ~ to ” ’ ￥ ￣, half-width
// katakana to JIS X 0208 katakana, ﾞ and ﾟ to the separate marks ゛ ゜); double-byte
// characters pass unchanged; a lead byte that ends the text and every other byte (control
// bytes, 0x7F, 0x80, 0xA0, 0xFD-0xFF) are copied.
std::string ConvertToFullWidth(std::string_view text);

// The ten racecourses "01" 札幌 ... "10" 小倉. Whole texts are compared as bytes; no row
// gives an empty text ("5" and "11" have no name, "" has no code).
std::string TrackCodeToName(std::string_view code);
std::string TrackNameToCode(std::string_view name);
// "左" for 新潟, 東京 and 中京, "右" for the other seven, empty for any other name.
std::string TrackTurnDirection(std::string_view name);

}  // namespace viewer
