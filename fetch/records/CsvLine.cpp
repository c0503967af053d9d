#include "fetch/records/CsvLine.h"

#include <algorithm>
#include <cstring>

#include "base/sjis.h"
#include "fetch/records/FullWidthSpaces.h"

namespace records {
namespace {

bool ForcesQuotes(unsigned char c) { return (c >= 1 && c <= 32) || c == '"' || c == ','; }

// A double-byte character begins at i: a lead byte with a trail byte behind it.
bool DoubleByteAt(const char* s, std::size_t i, std::size_t n) {
  return base::NextCharPos(std::string_view(s, n), i) == i + 2;
}

struct QuoteCheck {
  bool needed = false;
  std::size_t quotes = 0;  // single-byte double quotes in the whole field
};

// Turns the bytes that a line cannot carry into blanks (a byte 0, CR, LF, a lead byte
// that ends the field) and says whether the field asks for quotes: only single-byte
// characters count.
QuoteCheck MendAndCheck(char* s, std::size_t n) {
  QuoteCheck check;
  for (std::size_t i = 0; i < n;) {
    if (DoubleByteAt(s, i, n)) {
      i += 2;
      continue;
    }
    auto c = static_cast<unsigned char>(s[i]);
    if (c == 0 || c == '\r' || c == '\n' || (i + 1 == n && base::IsLeadByte(c))) {
      s[i] = ' ';
      c = ' ';
    }
    if (ForcesQuotes(c)) check.needed = true;
    if (c == '"') ++check.quotes;
    ++i;
  }
  return check;
}

}  // namespace

void CsvLineWriter::Grow(std::string& line, std::size_t needed) {
  line.resize(std::max(needed, 2 * line.size()));
}

unsigned CsvLineWriter::KindsOfLong(const char* s, std::size_t n) {
  unsigned kinds = 0;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) kinds |= KindsOf(Load<uint64_t>(s + i));
  for (; i < n; ++i) kinds |= KindsOf(static_cast<unsigned char>(s[i]) * kEachByte);
  return kinds;
}

std::size_t CsvLineWriter::QuoteField(std::string& line, std::size_t start, std::size_t end,
                                      bool enclose) {
  const std::size_t len = end - start;
  std::size_t quotes = 0;
  if (!enclose) {
    const QuoteCheck check = MendAndCheck(line.data() + start, len);
    if (!check.needed) return end;
    quotes = check.quotes;
  }
  const std::size_t extra = 2 + quotes;
  if (end + extra > line.size()) Grow(line, end + extra);
  char* d = line.data();
  if (quotes == 0) {
    std::memmove(d + start + 1, d + start, len);
    d[start] = '"';
    d[start + 1 + len] = '"';
    return end + extra;
  }
  // Move the field behind its final place, then copy it forward with its quotes doubled;
  // the copy never overtakes the bytes it has still to read.
  std::memmove(d + start + extra, d + start, len);
  std::size_t src = start + extra;
  const std::size_t src_end = src + len;
  std::size_t out = start;
  d[out++] = '"';
  while (src < src_end) {
    if (DoubleByteAt(d, src, src_end)) {
      d[out++] = d[src++];
      d[out++] = d[src++];
      continue;
    }
    if (d[src] == '"') d[out++] = '"';
    d[out++] = d[src++];
  }
  d[out++] = '"';
  return out;
}

std::string JoinCsvFields(std::span<const std::string> fields) {
  std::size_t size = fields.size();
  for (const auto& f : fields) size += f.size() + 2;
  std::string line;
  CsvLineWriter writer(line, size);
  for (const auto& f : fields) writer.Field(f);
  writer.Finish();
  return line;
}

}  // namespace records
