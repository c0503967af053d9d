// The racecourse names that the fetch programs write into the race, runner and payoff
// lines, by the value of the record's racecourse code.
#pragma once
#include "base/racing.h"

namespace records {

struct TrackCodeTable {
  static constexpr int kFirstCode = 0;
  static constexpr int kLastCode = 10;
  // 0 the empty name, 1-10 the ten racecourses; nullptr for a code outside the table.
  static const char* NameOf(int code) { return base::TrackNameByCode(code); }
};

}  // namespace records
