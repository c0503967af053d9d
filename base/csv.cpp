#include "base/csv.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "base/sjis.h"

namespace base {
namespace {

bool IsBlankOrControl(char c) {
  auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

}  // namespace

std::vector<std::string> SplitCsvLine(std::string_view line) {
  return SplitCsvLine(line, std::string_view::npos);
}

std::vector<std::string> SplitCsvLine(std::string_view line, std::size_t max_fields) {
  if (auto nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
  std::vector<std::string> fields;
  size_t p = 0;
  const size_t n = line.size();
  while (p < n && IsBlankOrControl(line[p])) ++p;
  while (p < n && fields.size() < max_fields) {
    std::string field;
    if (line[p] == '"') {
      ++p;
      while (p < n) {
        if (line[p] == '"') {
          if (p + 1 < n && line[p + 1] == '"') {
            field += '"';
            p += 2;
            continue;
          }
          ++p;  // the closing quote
          break;
        }
        size_t next = NextCharPos(line, p);
        if (next > n) next = n;
        field.append(line.substr(p, next - p));
        p = next;
      }
    } else {
      size_t start = p;
      while (p<n&& static_cast<unsigned char>(line[p])> 32 && line[p] != ',') {
        p = NextCharPos(line, p);
      }
      if (p > n) p = n;
      field.assign(line.substr(start, p - start));
    }
    fields.push_back(std::move(field));
    while (p < n && IsBlankOrControl(line[p])) ++p;
    if (p < n && line[p] == ',') {
      if (p + 1 == n) fields.emplace_back();
      do {
        ++p;
      } while (p < n && IsBlankOrControl(line[p]));
    }
  }
  if (fields.size() > max_fields) fields.resize(max_fields);
  return fields;
}

namespace {

// The end of the unquoted field that begins at p: the first comma or code below 33 (byte 0
// included, which ends the line). No trail byte of a double-byte character is either, so
// the bytes are looked at eight at a time.
size_t PlainFieldEnd(std::string_view line, size_t p) {
  constexpr uint64_t kEach = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  const size_t n = line.size();
  for (; p + 8 <= n; p += 8) {
    uint64_t v;
    std::memcpy(&v, line.data() + p, 8);
    const uint64_t comma = v ^ (kEach * ',');
    // The lowest byte flagged is the first that is below 33 or a comma.
    const uint64_t hit = ((v - kEach * 33) & ~v & kHigh) | ((comma - kEach) & ~comma & kHigh);
    if (hit != 0) return p + static_cast<size_t>(std::countr_zero(hit)) / 8;
  }
  while (p<n&& static_cast<unsigned char>(line[p])> 32 && line[p] != ',') ++p;
  return p;
}

}  // namespace

size_t PlainCsvFields(std::string_view line, std::span<std::string_view> fields) {
  size_t p = 0;
  const size_t n = line.size();
  while (p < n && IsBlankOrControl(line[p])) ++p;
  for (size_t k = 0; k < fields.size(); ++k) {
    if (p >= n || line[p] == '\0' || line[p] == '"') return k;
    const size_t start = p;
    p = PlainFieldEnd(line, p);
    fields[k] = line.substr(start, p - start);
    while (p < n && IsBlankOrControl(line[p])) ++p;
    if (p < n && line[p] == ',') {
      do {
        ++p;
      } while (p < n && IsBlankOrControl(line[p]));
    }
  }
  return fields.size();
}

std::optional<std::string_view> PlainCsvField(std::string_view line, std::size_t index) {
  if (index < 4) {
    std::string_view few[4];
    if (PlainCsvFields(line, std::span(few, index + 1)) <= index) return std::nullopt;
    return few[index];
  }
  std::vector<std::string_view> many(index + 1);
  if (PlainCsvFields(line, many) <= index) return std::nullopt;
  return many[index];
}

}  // namespace base
