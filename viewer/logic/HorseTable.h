// The per-horse table's texts (TForm2's StringGrid1): 19 columns, a header row and one row
// per horse, first filled for horse k in row k. Every value is kept only as its shown text;
// the differences, ranks, sort, colours and charts read those texts back.
//
//  0 枠 bracket digit          7 オッズ win odds T2 "%6.1f"       13 得票差 win share T2 - T1
//  1 馬 horse number "%2d"     8 得票率 win share T2 "%6.2f"      14 得票差 2 x quinella T2 - T1
//  2 出走馬名 horse name       9 得票差 col 11 - col 8            15 騎乗騎手 jockey
//  3 順 rank of col 4          10 順 rank of col 11               16 場 affiliation
//  4 得票率 place share T2     11 得票率 quinella share T2        17 調教師名 trainer
//  5 得票差 col 4 - col 8      12 得票差 place share T2 - T1      18 着順 finishing order "%3d"
//  6 順 rank of col 8
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_grid.h"
#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

inline constexpr int kHorseTableColumns = 19;
inline constexpr int kHorseTableRows = 19;

// The header row as one comma text.
inline constexpr std::string_view kHorseTableHeader =
    "枠,馬,出走馬名,順,得票率,得票差,順,オッズ,得票率,得票差,順,得票率,得票差,得票差,得票差,"
    "騎乗騎手,場,調教師名,着順";
// The value cells of a horse whose win odds are above 10000 (the readers' marker for an
// odds text "0"), written after the sort.
inline constexpr std::string_view kScratchedText = " ﾄﾘｹｼ";
// The jockey cell and the three change cells of a horse whose win odds are 0 at T2.
inline constexpr std::string_view kNoOddsJockeyText = "トリケシ";
inline constexpr std::string_view kNoOddsChangeText = "     0";

// The horses a table shows: RunnerCount taken into 0-18, the record's and the grid's rows.
int32_t TableHorseCount(int32_t runner_count);

// The 18 win odds, lower place odds or quinella shares of snapshot s (1-6); an s outside
// 1-6 throws the list-index error.
std::vector<float> WinOddsOf(const RaceOddsRecord& record, int s);
std::vector<float> PlaceOddsOf(const RaceOddsRecord& record, int s);
std::vector<float> QuinellaSharesOf(const RaceOddsRecord& record, int s);

// The vote shares in percent of horses 1 to count (entry k - 1 for horse k) from their odds,
// all in 32-bit floats in this order: a_i := 75 / o_i over the horses in number order (odds
// 0 counted as 9999), summed; k := 75 * 100 / sum; share_i := k / o_i. The shares add up to
// 100; a horse without odds has almost none.
std::vector<float> VoteShare(const std::vector<float>& odds, int32_t count);

// The rank of each of the first `count` values: 1 + the number of values strictly greater
// (5, 7, 7, 1 give 3, 1, 1, 4).
std::vector<int32_t> RankDescending(const std::vector<float>& values, int32_t count);

// Rows 1 to count of the column: FixedText(value, width, decimals) of entry row - 1 (0 for
// a value that is not a finite number).
void WriteFloatColumn(base::TextGrid& grid, const std::vector<float>& values, int32_t count,
                      int column, int width, int decimals);
// The same for integers "%Wd", except that 0 is written " ".
void WriteIntColumn(base::TextGrid& grid, const std::vector<int32_t>& values, int32_t count,
                    int column, int width);
// Rows 1 to count of `target` := "%6.2f" of the number in cell (b, row) minus the number in
// cell (a, row), both read from the cells' texts; a text that is not a number throws
// base::ConversionError.
void WriteDifferenceColumn(base::TextGrid& grid, int32_t count, int a, int b, int target);

// Every cell, header row and all, becomes " ".
void ClearHorseTable(base::TextGrid& grid);

// The table of the rebuild up to its sort, for the record at snapshots t1 (first chosen
// time) and t2 (second): cleared, the bracket column from the list for n, the header, then
// horse numbers, win odds, win shares and ranks, place shares and ranks, quinella shares and
// ranks, the two differences, the win, place and quinella changes, finishing orders, names,
// jockeys (with "トリケシ" and "     0" for win odds 0), affiliations and trainers. n is
// RunnerCount taken into 0-18; with n = 0 only the header row is written. An odds or share
// of the record that is not a finite number counts as 0 (WithFiniteOdds), and so does a
// share or change that the arithmetic gives as no finite number. A snapshot index outside
// 1-6 throws the list-index error.
base::TextGrid BuildHorseTable(const RaceOddsRecord& record, int t1, int t2);

// Rows 1 to count whose win odds (column 7) read as more than 10000: columns 4, 5, 7, 8, 9
// and 11 to 14 become " ﾄﾘｹｼ".
void MarkScratchedRows(base::TextGrid& grid, int32_t count);

}  // namespace viewer
