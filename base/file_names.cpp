#include "base/file_names.h"

#include <cerrno>

#include "base/sjis.h"

namespace base {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the UTF-8 sequence at pos, or 0 when none begins there.
std::size_t SequenceLength(std::string_view s, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[pos + i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong form
    if (lead == 0xED) high = 0x9F;  // no surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong form
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (pos + length > s.size() || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(at(i))) return 0;
  }
  return length;
}

}  // namespace

std::size_t NextNameCharPos(std::string_view name, std::size_t pos) {
  const std::size_t length = SequenceLength(name, pos);
  return pos + (length == 0 ? 1 : length);
}

std::string CutName(std::string_view name, std::size_t max_bytes) {
  std::size_t end = 0;
  for (std::size_t next = 0; end < name.size(); end = next) {
    next = NextNameCharPos(name, end);
    if (next > max_bytes) break;
  }
  return std::string(name.substr(0, end));
}

std::string PathText(std::string_view name) {
  const int error = errno;  // the conversion may set it; a message names its cause after us
  std::string text;
  text.reserve(name.size());
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t length = SequenceLength(name, pos);
    if (length == 0) {
      text += '?';  // a byte that begins no character
      ++pos;
    } else if (length == 1) {
      text += name[pos];  // ASCII: the same byte in code page 932
      ++pos;
    } else {
      text += Utf8ToSjis(name.substr(pos, length));  // "?" when code page 932 lacks it
      pos += length;
    }
  }
  errno = error;
  return text;
}

}  // namespace base
