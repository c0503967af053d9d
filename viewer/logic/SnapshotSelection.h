// The selection rule that the three odds readers share.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "viewer/logic/Fields.h"
#include "viewer/logic/OddsReaders.h"

namespace viewer {

// Walks the file's lines in order until six slots are filled and calls
// store(slot, line index, label prefix '1' or '2', hhmm of the announcement) for each line
// it takes. Lines announced two to four days before the race day are passed over; the
// first other line decides the sale mode: race-day when it was announced on the race day
// or after 12:00 the day before, else previous-day with entry 0 of the previous-day set as
// the number of slots on the day before (2 when empty; a number outside 0-6 counts as its
// nearer end). Race-day mode takes its slot times from the race-day set on the race day;
// previous-day mode from the previous-day set, on the day before while such slots remain,
// then on the race day with the prefix '2'. A text of the odds file that is not a number
// or time throws base::ConversionError naming the file and line; one of a set (a slot time,
// the number of slots) names the set's row of the odds-timing file, or that no row matched.
using StoreLine =
    std::function<void(int slot, std::size_t line, char prefix, std::string_view hhmm)>;
void SelectSnapshotLines(const OddsLines& file, const SnapshotTimes& times,
                         std::string_view file_date, const StoreLine& store);

}  // namespace viewer
