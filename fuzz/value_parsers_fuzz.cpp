// The value parsers on any text: each gives a value or its own error, the values agree
// with what the text spells, and a decimal value is a finite number of the decimal grammar.
#include <charconv>
#include <cmath>

#include "base/dates.h"
#include "base/errors.h"
#include "base/racing.h"
#include "base/values.h"
#include "fetch/storepull/ResumeStamp.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/DispCTRL.h"
#include "viewer/logic/Timing.h"
#include "viewer/logic/TrackCaption.h"

namespace {

// The integer rule spelled out once more: blanks, a sign, then only digits, within 32 bits.
std::optional<int32_t> ReferenceInt(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  std::string number;
  if (text[i] == '-' || text[i] == '+') {
    if (text[i] == '-') number = "-";
    ++i;
  }
  std::string_view digits = text.substr(i);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  number += digits;
  int32_t value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

void CheckIntegers(std::string_view text) {
  const std::optional<int32_t> value = base::ParseInt32(text);
  FUZZ_CHECK(value == ReferenceInt(text), fuzzsupport::Shown(text));
  if (value) {
    FUZZ_CHECK(base::ParseInt32(base::NumberText(*value)) == value, base::NumberText(*value));
    FUZZ_CHECK(base::IntegerValue(text) == *value, fuzzsupport::Shown(text));
  } else {
    try {
      base::IntegerValue(text);
      FUZZ_CHECK(false, "IntegerValue took " + fuzzsupport::Shown(text));
    } catch (const base::ConversionError&) {
    }
  }
  for (int p : {1, 2, 3}) {
    for (int q : {p, p + 1, static_cast<int>(text.size())}) {
      if (auto v = base::ValueOf(text, p, q)) {
        FUZZ_CHECK(
            q <= static_cast<int>(text.size()) && v == base::ParseInt32(base::Chars(text, p, q)),
            fuzzsupport::Shown(text));
      }
    }
  }
}

// The decimal grammar spelled out once more: blanks, one sign, digits with at most one
// point and at least one digit, blanks.
bool IsDecimalText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  std::string_view t = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  if (t[0] == '+' || t[0] == '-') t.remove_prefix(1);
  const std::size_t point = t.find('.');
  const std::string_view whole = t.substr(0, point);
  const std::string_view part = point == std::string_view::npos ? "" : t.substr(point + 1);
  auto digits = [](std::string_view d) { return d.find_first_not_of("0123456789") == d.npos; };
  return digits(whole) && digits(part) && whole.size() + part.size() > 0;
}

void CheckDecimal(std::string_view text) {
  const std::optional<double> value = base::ParseDecimal(text);
  // Every value is a finite number of a text of the grammar; a text of the grammar has no
  // value only when it is beyond a 64-bit float (many digits).
  FUZZ_CHECK(!value || (std::isfinite(*value) && IsDecimalText(text)), fuzzsupport::Shown(text));
  FUZZ_CHECK(value || !IsDecimalText(text) || text.size() > 300, fuzzsupport::Shown(text));
  try {
    const double v = base::DecimalValue(text);
    FUZZ_CHECK(value && v == *value, fuzzsupport::Shown(text));
  } catch (const base::ConversionError&) {
    FUZZ_CHECK(!value, fuzzsupport::Shown(text));
  }
}

void CheckTimesAndDates(std::string_view text) {
  try {
    const int seconds = viewer::TimeOfDaySeconds(text);
    FUZZ_CHECK(seconds >= 0 && seconds < 24 * 3600, fuzzsupport::Shown(text));
  } catch (const base::ConversionError&) {
  }
  if (auto date = base::ParseDate(text)) {
    FUZZ_CHECK(base::IsValidDate(*date), fuzzsupport::Shown(text));
    FUZZ_CHECK(text == base::Yyyymmdd(*date) || text == base::SlashedDate(*date),
               fuzzsupport::Shown(text));
  }
  const base::Date today{2024, 6, 1};
  if (auto date = storepull::StampDate(text, today)) {
    FUZZ_CHECK(base::IsValidDate(*date), fuzzsupport::Shown(text));
  }
  const std::string from = storepull::FromDateFor(today, text);
  FUZZ_CHECK(from == text || from == "20240601000000", fuzzsupport::Shown(from));
}

void CheckRacecourseTexts(std::string_view text) {
  const std::string code = base::CompactRaceCode(text);
  FUZZ_CHECK(code.size() <= 9, fuzzsupport::Shown(code));
  viewer::ConvertToFullWidth(text);
  if (auto caption = viewer::TrackCaption(text)) {
    FUZZ_CHECK(caption->size() == 14, fuzzsupport::Shown(*caption));
    // A caption reads back as the meeting it was made of.
    const viewer::TrackChoice choice = viewer::ReadTrackCaption(*caption);
    FUZZ_CHECK(choice.track_code == text.substr(8, 2), fuzzsupport::Shown(text));
    FUZZ_CHECK(choice.meeting_day == text.substr(10, 4), fuzzsupport::Shown(text));
  }
  try {
    viewer::ReadTrackCaption(text);
  } catch (const base::ConversionError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzzsupport::Bytes(data, size);
  CheckIntegers(text);
  CheckDecimal(text);
  CheckTimesAndDates(text);
  CheckRacecourseTexts(text);
  return 0;
}
