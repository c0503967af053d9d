#include "base/csv.h"

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

}  // namespace base
