// Reading one CSV line of the data files into its fields.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// Splits a line by the data files' reading rule: codes 1-32 at the start are skipped; a
// field that begins with a double quote runs to the next double quote that is not
// doubled (each doubled quote stands for one); any other field runs up to a comma or a
// code below 33; codes 1-32 after a field are skipped, and a comma there ends the field
// together with the codes 1-32 behind it; a comma that ends the line adds an empty last
// field. Double-byte characters (a lead byte with a trail byte, base::NextCharPos) are
// stepped over whole; a lead byte without a trail byte stands alone. A byte 0 ends the
// line.
std::vector<std::string> SplitCsvLine(std::string_view line);
// The first `max_fields` fields of the line by the same rule (fewer when the line has
// fewer), without reading the rest of the line.
std::vector<std::string> SplitCsvLine(std::string_view line, std::size_t max_fields);
// Field `index` by the same rule as a view of the line, nothing copied, when neither it nor
// a field before it begins with a double quote (the usual case); none when one does, or
// when the line has fewer fields: SplitCsvLine then tells.
std::optional<std::string_view> PlainCsvField(std::string_view line, std::size_t index);
// The leading fields by the same rule as views of the line, up to fields.size() of them:
// how many were found before the line ended or a field began with a double quote.
std::size_t PlainCsvFields(std::string_view line, std::span<std::string_view> fields);

}  // namespace base
