// Builds a record as the racing-data component delivers it: blanks everywhere, with the
// given bytes set at 1-based positions, so tests read like the record layouts.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace testsupport {

class RecordBuilder {
 public:
  explicit RecordBuilder(std::size_t length) : bytes_(length, ' ') {}
  // Puts text at 1-based position p, growing the record when it does not fit.
  RecordBuilder& Set(int p, std::string_view text) {
    std::size_t first = static_cast<std::size_t>(p - 1);
    if (first + text.size() > bytes_.size()) bytes_.resize(first + text.size(), ' ');
    bytes_.replace(first, text.size(), text);
    return *this;
  }
  const std::string& str() const { return bytes_; }
  operator std::string_view() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace testsupport
