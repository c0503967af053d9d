// Records as the racing-data component delivers them, without the line end: blanks
// everywhere except the fields below (1-based byte positions).
//   RA  1-2 kind, 3 data kind, 12-27 race key, 33-92 race name, 612-614 ordinal,
//       615 grade, 617-618 age, 619 entry, 620 sex, 621 designation, 622 weight rule,
//       635-637 class, 698-701 distance, 706-707 track, 874-877 post time hhmm,
//       882-883 runners, 888 weather, 889 turf going, 890 dirt going
//   SE  12-27 race key, 28 bracket, 29-30 horse number, 41-76 horse name, 79 sex,
//       81-82 coat, 83-84 age, 85 affiliation, 91-98 trainer, 105-168 owner,
//       289-291 weight carried, 307-314 jockey, 335-336 finishing place,
//       360-363 finishing time, 364-365 win popularity, 366-373 and 374-381 zeros
//   HR  12-27 race key, payoff groups from 103 (win, place, bracket quinella, quinella,
//       quinella place, exacta, trio, trifecta)
//   O1  12-27 race key, 28-35 announcement mmddhhmm, 36-37 runners, win entries of 8
//       from 44 (number, odds, popularity), place entries of 12 from 268 (number, low,
//       high, popularity), bracket entries of 9 from 604 (pair, odds, popularity),
//       928-938 / 939-949 / 950-960 win, place and bracket vote totals
//   O2  12-27, 28-35, 36-37 as O1; quinella entries of 13 from 41 (pair, odds,
//       popularity); 2030-2040 quinella vote total
#pragma once
#include <string>

#include "base/dates.h"
#include "tools/sampledata/card.h"
#include "tools/sampledata/market.h"

namespace sampledata {

inline constexpr int kRaceRecordLength = 1270;
inline constexpr int kRunnerRecordLength = 553;
inline constexpr int kPayoffRecordLength = 717;
inline constexpr int kWinPlaceOddsRecordLength = 960;
inline constexpr int kQuinellaOddsRecordLength = 2040;

std::string RaceRecord(const Race& race, char data_kind);
// `popularity`: the horse's rank in the final win odds, 0 before the race.
std::string RunnerRecord(const Race& race, const Runner& runner, int popularity, char data_kind);
std::string PayoffRecord(const Race& race, const Payoffs& payoffs, char data_kind);
std::string WinPlaceOddsRecord(const Race& race, const Market& market,
                               const base::DateTime& announced, char data_kind);
std::string QuinellaOddsRecord(const Race& race, const Market& market,
                               const base::DateTime& announced, char data_kind);

// The announcement time as mmddhhmm.
std::string AnnounceText(const base::DateTime& t);

}  // namespace sampledata
