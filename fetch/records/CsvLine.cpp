#include "fetch/records/CsvLine.h"

#include <charconv>
#include <cstring>

#include "base/sjis.h"
#include "fetch/records/FullWidthSpaces.h"

namespace records {
namespace {

bool ForcesQuotes(unsigned char c) { return (c >= 1 && c <= 32) || c == '"' || c == ','; }

// Whether the field's bytes ask for quotes: only single-byte characters count, and the
// examination ends at a byte 0.
bool NeedsQuotes(const char* s, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (base::IsLeadByte(c) && i + 1 < n) {
      i += 2;
      continue;
    }
    if (c == 0) return false;
    if (ForcesQuotes(c)) return true;
    ++i;
  }
  return false;
}

std::size_t CountQuotes(const char* s, std::size_t n) {
  std::size_t quotes = 0;
  for (std::size_t i = 0; i < n;) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (base::IsLeadByte(c) && i + 1 < n) {
      i += 2;
      continue;
    }
    if (c == '"') ++quotes;
    ++i;
  }
  return quotes;
}

}  // namespace

void CsvLineWriter::BeginField() {
  if (!first_) line_.push_back(',');
  first_ = false;
  field_start_ = line_.size();
}

void CsvLineWriter::AppendNumber(int32_t value) {
  char digits[12];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  line_.append(digits, static_cast<std::size_t>(end - digits));
}

void CsvLineWriter::AppendTrimmed(std::string_view text) {
  AppendTrimmedFullWidthSpaces(line_, text);
}

void CsvLineWriter::EndField() {
  const std::size_t start = field_start_;
  const std::size_t len = line_.size() - start;
  if (!NeedsQuotes(line_.data() + start, len)) return;

  const std::size_t quotes = CountQuotes(line_.data() + start, len);
  const std::size_t extra = 2 + quotes;
  line_.resize(line_.size() + extra);
  char* d = line_.data();
  if (quotes == 0) {
    std::memmove(d + start + 1, d + start, len);
    d[start] = '"';
    d[start + 1 + len] = '"';
    return;
  }
  // Move the field to the end of the grown line, then copy it forward with its quotes
  // doubled; the copy never overtakes the bytes it has still to read.
  std::memmove(d + start + extra, d + start, len);
  std::size_t src = start + extra;
  const std::size_t src_end = src + len;
  std::size_t out = start;
  d[out++] = '"';
  while (src < src_end) {
    const auto c = static_cast<unsigned char>(d[src]);
    if (base::IsLeadByte(c) && src + 1 < src_end) {
      d[out++] = d[src++];
      d[out++] = d[src++];
      continue;
    }
    if (c == '"') d[out++] = '"';
    d[out++] = d[src++];
  }
  d[out] = '"';
}

std::string JoinCsvFields(std::span<const std::string> fields) {
  std::size_t size = fields.size();
  for (const auto& f : fields) size += f.size() + 2;
  std::string line;
  line.reserve(size);
  CsvLineWriter writer(line);
  for (const auto& f : fields) writer.Field(f);
  return line;
}

}  // namespace records
