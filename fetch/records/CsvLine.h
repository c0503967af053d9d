// Writing the CSV lines of the day files and the odds files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace records {

// The last field of every line of the day files; the odds lines have none.
inline constexpr std::string_view kLineEndMark = "t";

// Builds one CSV line in place, field after field, with one quoting rule for every line:
// a field in which a single-byte character with a code from 1 to 32, a double quote or a
// comma is met is enclosed in double quotes, with its double quotes doubled; double-byte
// characters are stepped over whole (so a full-width space forces no quotes), and the
// examination ends at a byte 0. An empty field is written as nothing; fields are
// separated by single commas. A field is either one text (Field) or pieces appended
// between BeginField and EndField; nothing is allocated beyond the line itself.
class CsvLineWriter {
 public:
  // Appends the fields to line.
  explicit CsvLineWriter(std::string& line) : line_(line) {}

  void Field(std::string_view text) {
    BeginField();
    line_.append(text);
    EndField();
  }
  void NumberField(int32_t value) {
    BeginField();
    AppendNumber(value);
    EndField();
  }

  void BeginField();
  void Append(std::string_view piece) { line_.append(piece); }
  void Append(char c) { line_.push_back(c); }
  // The number text of value (decimal, no leading zeros).
  void AppendNumber(int32_t value);
  // The text after TrimFullWidthSpaces.
  void AppendTrimmed(std::string_view text);
  // Quotes the field begun last when the rule asks for it.
  void EndField();

 private:
  std::string& line_;
  std::size_t field_start_ = 0;
  bool first_ = true;
};

// The CSV line of the fields, without a line end. Every line it writes reads back into
// the same fields (base::SplitCsvLine), except a list of one empty field: that line is
// empty, and an empty line holds no field.
std::string JoinCsvFields(std::span<const std::string> fields);

}  // namespace records
