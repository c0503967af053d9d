// Full-length race, runner and payoff records as the racing-data component delivers them,
// every field the formatters read filled with a realistic value.
#pragma once
#include <string>
#include <string_view>

#include "tests/support/record_builder.h"

namespace samples {

inline constexpr std::size_t kRaceRecordLength = 1272;
inline constexpr std::size_t kRunnerRecordLength = 555;
inline constexpr std::size_t kPayoffRecordLength = 719;

// text padded with full-width spaces (and one blank for an odd byte) to width bytes.
inline std::string PadFullWidth(std::string_view text, std::size_t width) {
  std::string padded(text);
  while (padded.size() + 2 <= width) padded += "　";
  if (padded.size() < width) padded += ' ';
  return padded;
}

// Tokyo, 21 May 2016, meeting 3, day 8, race 11.
inline testsupport::RecordBuilder RaceRecord() {
  testsupport::RecordBuilder r(kRaceRecordLength);
  r.Set(1, "RA7").Set(4, "20160516").Set(12, "2016052105030811");
  r.Set(28, "0").Set(29, "6").Set(30, "0521");
  r.Set(33, PadFullWidth("優駿牝馬", 60));
  r.Set(612, "078").Set(615, "A").Set(616, "G").Set(617, "12");
  r.Set(619, "N").Set(620, "2").Set(621, "4").Set(622, "3");
  r.Set(635, "999").Set(698, "2400").Set(706, "11");
  r.Set(874, "1540").Set(878, "1818").Set(882, "18").Set(884, "18").Set(886, "18");
  r.Set(888, "1").Set(889, "1").Set(890, "0");
  return r;
}

inline testsupport::RecordBuilder RunnerRecord() {
  testsupport::RecordBuilder r(kRunnerRecordLength);
  r.Set(1, "SE7").Set(4, "20160516").Set(12, "2016052105030811");
  r.Set(28, "2").Set(29, "03").Set(31, "2013104567");
  r.Set(41, PadFullWidth("シンハライト", 36));
  r.Set(77, "01").Set(79, "2").Set(80, "03").Set(81, "00").Set(83, "03").Set(85, "2");
  r.Set(86, "01061").Set(91, "石坂正　");
  r.Set(99, "000000").Set(105, PadFullWidth("（有）キャロットファーム", 64));
  r.Set(169, PadFullWidth("白老ファーム", 40));
  r.Set(289, "550").Set(292, "0").Set(296, "01032").Set(301, "池添謙一").Set(307, "池添謙一");
  r.Set(335, "01").Set(337, "0").Set(338, "21254").Set(343, "0000").Set(348, "  ");
  r.Set(360, "0036").Set(364, "02").Set(366, "00000000").Set(374, "00000000");
  return r;
}

inline testsupport::RecordBuilder PayoffRecord() {
  testsupport::RecordBuilder r(kPayoffRecordLength);
  r.Set(1, "HR2").Set(4, "20160522").Set(12, "2016052105030811");
  r.Set(28, "1818").Set(32, "000000000000000000000000000000000000000");
  r.Set(103, "03000000360").Set(116, "  ").Set(129, "  ");
  r.Set(142, "03000000140").Set(155, "08000000380").Set(168, "14000000260");
  r.Set(207, "24000000920").Set(246, "0308000002150").Set(294, "0308000000840");
  r.Set(310, "0314000000570").Set(326, "0814000001630");
  r.Set(454, "0308000003680").Set(550, "030814000006820").Set(604, "0308140000297200");
  return r;
}

}  // namespace samples
