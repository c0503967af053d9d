#include "fetch/records/FullWidthSpaces.h"

#include "base/sjis.h"

namespace records {
namespace {

bool IsBlankOrBelow(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

void AppendTrimmedFullWidthSpaces(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  std::size_t run = 0;  // start of the bytes not yet appended
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t next = base::NextCharPos(text, i);
    if (next == i + 2 && text[i] == '\x81' && text[i + 1] == '\x40') {
      out.append(text.substr(run, i - run));
      out.push_back(' ');
      run = next;
    }
    i = next;
  }
  out.append(text.substr(run));

  std::size_t end = out.size();
  while (end > start && IsBlankOrBelow(out[end - 1])) --end;
  std::size_t first = start;
  while (first < end && IsBlankOrBelow(out[first])) ++first;
  out.resize(end);
  out.erase(start, first - start);
}

std::string TrimFullWidthSpaces(std::string_view text) {
  std::string trimmed;
  AppendTrimmedFullWidthSpaces(trimmed, text);
  return trimmed;
}

}  // namespace records
