// Shift-JIS (code page 932) text. Every std::string that holds text in vantrel holds
// these bytes; conversion to Unicode happens only where text meets the window system.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Lead byte of a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Trail byte of a double-byte character in code page 932.
constexpr bool IsTrailByte(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Position of the character after the one that starts at pos: a lead byte takes the
// byte after it along when that is a trail byte; a lead byte without one (the last byte
// of the text, or one before a comma, a quote, a control character) stands alone.
constexpr std::size_t NextCharPos(std::string_view s, std::size_t pos) {
  if (pos + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[pos])) &&
      IsTrailByte(static_cast<unsigned char>(s[pos + 1]))) {
    return pos + 2;
  }
  return pos + 1;
}

// Conversions as code page 932 defines them (glibc iconv "CP932"). Bytes that do not
// convert become U+FFFD (to UTF-8) or "?" (to Shift-JIS); neither call throws.
std::string SjisToUtf8(std::string_view sjis);
std::string Utf8ToSjis(std::string_view utf8);

}  // namespace base
