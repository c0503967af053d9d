#include "fetch/records/FullWidthSpaces.h"

#include <cstring>

#include "base/sjis.h"

namespace records {
namespace {

bool IsBlankOrBelow(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::size_t TrimFullWidthSpacesInto(std::string_view text, char* out) {
  std::size_t n = 0;
  std::size_t run = 0;  // start of the bytes not yet written
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t next = base::NextCharPos(text, i);
    if (next == i + 2 && text[i] == '\x81' && text[i + 1] == '\x40') {
      std::memcpy(out + n, text.data() + run, i - run);
      n += i - run;
      out[n++] = ' ';
      run = next;
    }
    i = next;
  }
  std::memcpy(out + n, text.data() + run, text.size() - run);
  n += text.size() - run;

  while (n > 0 && IsBlankOrBelow(out[n - 1])) --n;
  std::size_t first = 0;
  while (first < n && IsBlankOrBelow(out[first])) ++first;
  std::memmove(out, out + first, n - first);
  return n - first;
}

std::string TrimFullWidthSpaces(std::string_view text) {
  std::string trimmed(text.size(), '\0');
  trimmed.resize(TrimFullWidthSpacesInto(text, trimmed.data()));
  return trimmed;
}

}  // namespace records
